// A chain as a person types it, and back: elements from the load toward the generator,
// separated by «;» on one line, or one a line in a chain file (docs/chain-format.md).
//
//     series L 12nH; shunt C 2.2pF; series R 5; shunt L 10nH Q 50; line 0.1;
//     line 0.1 Z 75 loss 0.5; line 25mm vf 0.66; stub shunt short 0.125;
//     stub series open 0.2 Z 75; transformer 2
//
// Numbers take the point or the comma; L, C and R (and a Z) take the SI prefixes p, n, u
// or µ, m, k, M and their unit (H, F, Ω or Ohm), joined to the number or after a blank.
// `series L X 30` gives an L or C by the size of its reactance at f0 in ohms, with no
// frequency needed. A number and its prefix are read as one decimal («12n» is 12e-9,
// rounded once), and printed in the shortest digits that read back to the same double, so
// printing and reading give back the same chain, bit for bit.
//
// What cannot be read raises a toolkit exception in Russian naming the element by its
// number (a file: its line) and the word at fault: «Элемент 2: вид «coil» не известен; …».
#pragma once

#include "theory/Chain.h"

#include <string>
#include <string_view>
#include <vector>

namespace theory {

// Elements separated by «;» (blank ones skipped); `f0Hz` 0 when no frequency is known (an L
// or C in henries or farads, or a line in millimetres, is then refused).
std::vector<TChainElement> ReadChainText(std::string_view text, double f0Hz);

// One element; `where` names it in a refusal («Элемент 3», «Строка 7»).
TChainElement ReadChainElement(std::string_view text, const std::string& where, double f0Hz);

std::string ChainElementText(const TChainElement& e);
// The elements joined by «; ».
std::string ChainText(const std::vector<TChainElement>& elements);

// A chain file: `#` starts a comment; `impedance 50` sets the line's Zв in ohms and
// `frequency 433.92MHz` f0; every other line holds an element (or several, with «;»).
struct TChainFile {
    TChain Chain;
    bool HasImpedance = false, HasFrequency = false; // given in the file
};
// `f0Hz`: a frequency given outside the file (0: none); a file that says another refuses.
TChainFile ReadChainFile(std::string_view text, double f0Hz = 0);
// The header lines (Zв always, f0 when known), a comment naming the chain, then the
// elements one a line.
std::string ChainFileText(const TChain& chain);

} // namespace theory
