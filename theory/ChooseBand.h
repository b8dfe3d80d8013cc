// The band a network is chosen for, the load at each of its frequencies looked up once, and
// how well a chain matches across it: the worst |Г| at the input, and a smooth stand-in for
// it that a minimiser can follow.
//
// The worst |Г| (and so the worst КСВ) is a maximum over the frequencies: where two of them
// trade places it has a corner, and a minimiser that models the function as smooth stalls
// there. The p-norm (mean of |Г|^p)^(1/p) with a high p lies within a factor n^(1/p) of the
// maximum and is smooth wherever |Г| is (Boyd and Vandenberghe, Convex Optimization, 3.1.5
// on norms approximating the maximum).
#pragma once

#include "theory/BandResponse.h"
#include "theory/Chain.h"

#include <vector>

namespace theory {

struct TChooseBand {
    std::vector<double> Ratio;  // f/f0, evenly from low to high
    std::vector<TComplex> Load; // the load in ohms at each
    double LineOhms = 50;
};

// `points` frequencies evenly over low .. high (as f/f0), ends included.
TChooseBand ChooseBandOf(const TBandLoad& load, double lineOhms, double low, double high,
                         int points);

// |Г| at the input at frequency i; 1 where the chain opens or shorts the line, or where no
// number comes out.
double GammaAt(const TChain& chain, const TChooseBand& band, std::size_t i);
double WorstGamma(const TChain& chain, const TChooseBand& band);
double SmoothWorstGamma(const TChain& chain, const TChooseBand& band);

// What the parts' Q costs at f0, in dB: 10·lg(P_in/P_load), the power taken in at the
// chain's input over the power the load takes, the same current through both; with no
// loss in the chain, 0. That ratio does not depend on what drives the chain, so the
// mismatch does not enter it.
double LossDbAtF0(const TChain& chain, TComplex loadOhms);

} // namespace theory
