// A chain's values tuned for the band: the values named free moved within their bounds to
// minimise a cost, by Powell's BOBYQA (bound-constrained optimisation by quadratic
// approximation, without derivatives), as dlib implements it. dlib is the one library here
// that does this with bounds, needs no linking (its optimisation is templates) and compiles
// alike with g++, mingw-w64 and Emscripten.
//
// The minimiser works in a scaled space where a step means as much for every value: an L or
// C by the logarithm of its henries or farads (a step of 0,1 is 10 % either way), a length
// in units of λ/20.
#pragma once

#include "theory/Chain.h"

#include <functional>
#include <span>

namespace theory {

// One value the tuning may move: element `Element`'s Value within Low .. High, by its
// logarithm (L, C) or as it is (lengths in λ).
struct TFree {
    std::size_t Element = 0;
    bool Log = false;
    double Low = 0, High = 0;
};

using TChainCost = std::function<double(const TChain&)>;

// The chain with its free values tuned, never costing more than `start` (clamped into the
// bounds) did; at most `evaluations` costs taken. Fewer than two free values that can move:
// the start as it is.
TChain Tuned(const TChain& start, std::span<const TFree> free, const TChainCost& cost,
             int evaluations);

} // namespace theory
