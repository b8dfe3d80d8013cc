// How a match holds off its frequency: КСВ at the line's input against frequency, for a
// single stub's answer as the chart read it and its exact first and second solutions, or for
// any networks (the other methods' solutions, theory/Network.h).
// Lengths are physical: at f every line and stub is f/f0 times as long in wavelengths as at
// f0. The line is lossless with Zв as typed, as the exact answers assume. The load off f0
// follows a model: a series R with the inductor or capacitor that gives the typed X at f0,
// a constant impedance, or a measurement (measured/MeasuredLoad.h).
#pragma once

#include "measured/MeasuredLoad.h"
#include "theory/LineTheory.h"
#include "theory/Network.h"

#include <functional>
#include <span>
#include <vector>

namespace theory {

enum class TLoadModel { Series, Constant, Measured };

// The load across the band: as typed at f0, off it as its model says.
struct TBandLoad {
    TComplex Load; // ohms at f0, as typed
    TComplex Line; // Zв, ohms
    TLoadModel Model = TLoadModel::Series;
    const measured::TMeasuredLoad* Measured = nullptr; // Measured: the load across the file's band
    double F0Hz = 0;                                   // f0 in Hz; 0: not given (Measured needs it)
};

// A single-stub match: the chart's answer and the exact solutions.
struct TBandInput : TBandLoad {
    TStubKind Kind = TStubKind::Short;
    TStubMatch Chart;     // the chart's answer as read, in wavelengths at f0
    TStubSolutions Exact; // the exact first and second solutions at f0
};

struct TBandCurve {
    std::vector<double> Vswr; // at each frequency of the response
    // The width of the band about f0 where КСВ <= 2, as a fraction of f0 (0,12: 12 %); 0
    // when КСВ at f0 is above 2.
    double Vswr2Fraction = 0;
    // Where that band runs to the sweep's lowest or highest frequency (0,5 or 1,5 f0, or the
    // measured band's ends) it goes on beyond what was swept: its width is a bound, at
    // least Vswr2Fraction, and at both ends the whole sweep.
    bool Vswr2ToLowEdge = false, Vswr2ToHighEdge = false;
    bool Vswr2Bounded() const { return Vswr2ToLowEdge || Vswr2ToHighEdge; }
    bool Vswr2Everywhere() const { return Vswr2ToLowEdge && Vswr2ToHighEdge; }
};

struct TBandResponse {
    std::vector<double> Ratio; // f/f0 at each point: 0,5 .. 1,5, or the measured band
    TBandCurve Chart, First, Second;
};

// The response at `points` frequencies evenly spread over the band (the measured band from
// its first frequency to its last, the load between its points interpolated; a file's
// points without a load, open circuits, end it short of them on either side of f0). An odd
// number of points over 0,5 .. 1,5 f0 has f0 itself in the middle. Measured without a
// measurement or a load at f0, or fewer than two points: an empty response.
TBandResponse MatchBand(const TBandInput& in, int points = 1001);

// Any matching networks over the same band, a curve each in their order (an empty network:
// the load's own КСВ): the other methods' solutions.
struct TNetworksResponse {
    std::vector<double> Ratio;
    std::vector<TBandCurve> Curves;
};
TNetworksResponse NetworksBand(const TBandLoad& load, std::span<const TNetwork> networks,
                               int points = 1001);

// КСВ at f = ratio·f0, exactly.
using TVswrAt = std::function<double(double ratio)>;
// The band about f0 where КСВ <= `limit` (2 for the curves above) found on a response
// (`vswr` at each `ratio`, ascending), the КСВ at f0 itself given apart, since a measured
// band need not have f0 among its points: walked out from f0 both ways to the first point
// above the limit, the crossing then found on the exact response `vswrAt`. Sets the curve's
// Vswr2 fields; whether the band runs to either end of the sweep.
void FindAcceptedBand(const std::vector<double>& ratio, const std::vector<double>& vswr,
                      double vswrAtF0, const TVswrAt& vswrAt, double limit, TBandCurve& curve);

// The chart's answer as its labels print it, to three decimals: what is built from them.
TStubMatch AsPrinted(const TStubMatch& read);

} // namespace theory
