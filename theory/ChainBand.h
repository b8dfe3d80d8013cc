// A chain's response across the band: КСВ at the input, and the input's Г
// (on the chain's Zв) as its path, at 1001 frequencies evenly over 0,5 .. 1,5 f0, or at a
// measured file's own frequencies with its load at each (those of the stretch about f0
// that has a load at every point). The band where КСВ stays within a limit (2 unless
// asked otherwise) is found on the exact response, as for the methods (BandResponse.h).
//
//     ChainBand(chain, {Load 100 Ω, Line 50 Ω, Constant}, 2).Curve.Vswr2Fraction
#pragma once

#include "theory/BandResponse.h"
#include "theory/Chain.h"

#include <vector>

namespace theory {

struct TChainBand {
    std::vector<double> Ratio;   // f/f0 at each point
    TBandCurve Curve;            // КСВ at each point; its Vswr2 fields for `limit`
    std::vector<TComplex> Gamma; // the input's Г: its path across the band
};

// Nothing (empty) for a measured load without f0 or without a load at f0. The load's
// `Load` and `Line` are in ohms, as TBandLoad holds them; the chain's own LineOhms is what
// Г and КСВ are referred to.
TChainBand ChainBand(const TChain& chain, const TBandLoad& load, double limit = 2,
                     int points = 1001);

// The same at `points` frequencies evenly over low .. high (as f/f0, low < 1 < high, a
// measured load read between its points); the band where КСВ <= `limit` is then the
// stretch about f0 within them, its Vswr2Fraction at most high - low. Empty for fewer than
// two points or a band that does not hold f0.
//
//     ChainBandOver(chain, load, 0.95, 1.05, 2, 201).Curve.Vswr2Fraction / 0.1: the share
//     of the ±5 % band about f0 where КСВ <= 2
TChainBand ChainBandOver(const TChain& chain, const TBandLoad& load, double low, double high,
                         double limit, int points);

// The frequencies of ChainBand, as f/f0; none (empty) where it has none.
std::vector<double> BandRatios(const TBandLoad& load, int points = 1001);

// The load in ohms at f = ratio·f0 as its model says (a measured one looked up at ratio·f0).
TComplex BandLoadOhms(const TBandLoad& load, double ratio);

} // namespace theory
