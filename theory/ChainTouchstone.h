// A chain's two-port across the band as a Touchstone file (.s2p, version 1) a simulator can
// take: S in real and imaginary parts, referred to the chain's Zв, port 1 at the generator's
// side and port 2 where the load connects, each number in 17 significant digits so that
// reading the file back gives the same doubles.
//
//     ! zmatch: цепь от нагрузки (порт 2) к генератору (порт 1)
//     ! series L 12nH; shunt C 2.2pF
//     # Hz S RI R 50
//     216960000 0.0123… …
#pragma once

#include "theory/Chain.h"

#include <span>
#include <string>

namespace theory {

// The file's text at f = ratio·f0 for each of `ratios` (ascending); the chain needs f0. A
// chain without f0, or one whose parameters have no finite value at a frequency (a stub at
// its pole), raises a toolkit exception saying so in Russian.
std::string ChainTouchstone(const TChain& chain, std::span<const double> ratios);

} // namespace theory
