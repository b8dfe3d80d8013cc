// Every topology a load can be matched by, each as its exact solution at f0 (every solution
// of every method), built as a chain with the ask's parts, and the values its tuning may
// move: lines to a stub or a section within half a wave, stubs within the longest allowed,
// L and C a decade either way.
//
// Left out: a stub the exact solution makes longer than the ask allows. A quarter-wave
// section whose Zт is not offered stands on the offered one nearest (in the logarithm) and
// is tuned there.
#pragma once

#include "theory/Choose.h"
#include "theory/ChooseTuning.h"

#include <string>
#include <vector>

namespace theory {

struct TCandidate {
    std::string Topology; // in Russian, as the table names it
    TChain Chain;         // the exact f0 solution, as built
    std::vector<TFree> Free;
};

// For the load at f0 (ohms); the ask's line Zв, f0 and parts.
std::vector<TCandidate> Candidates(const TChooseAsk& ask, TComplex loadOhms);

// A value in Russian: «0,125», «70,7», the digits after the comma that are not zeros.
std::string ShortDecimal(double v, int digits);

} // namespace theory
