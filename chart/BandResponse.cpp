// КСВ at the junction across the band: each matching built once, its line and stub growing
// in wavelengths with f/f0, the load following its model. The band where КСВ <= 2 is found
// by walking out from f0 both ways to the first point above 2, the crossing placed on the
// straight line between that point and the one before it.
#include "chart/BandResponse.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace chart {

namespace {

constexpr double kAcceptedVswr = 2;

// Zн at f = ratio·f0, normalised to the line. A measured load is looked up in Hz, held to
// the measured band against the last bit of rounding.
TComplex LoadAtRatio(const TBandInput& in, double ratio) {
    switch (in.Model) {
    case TLoadModel::Constant:
        break;
    case TLoadModel::Series: {
        // An inductor's reactance grows with f, a capacitor's falls; R stays.
        const double x = in.Load.imag();
        const double scaled = x > 0 ? x * ratio : x < 0 ? x / ratio : 0.0;
        return TComplex(in.Load.real(), scaled) / in.Line;
    }
    case TLoadModel::Measured: {
        const auto& p = in.Measured->Points;
        return LoadAt(*in.Measured, std::clamp(ratio * in.F0Hz, p.front().Hz, p.back().Hz)).Ohms /
               in.Line;
    }
    }
    return in.Load / in.Line;
}

bool Accepted(double vswr) {
    return vswr > 0 && vswr <= kAcceptedVswr;
}

// КСВ at the junction of one matching built for f0, at f = ratio·f0.
double VswrOf(TComplex z, const TStubMatch& m, TStubKind kind, double ratio) {
    return StandingWaveRatio(
        std::abs(JunctionReflection(z, m.Distance * ratio, m.Stub * ratio, kind)));
}

// Where КСВ crosses 2 between a (accepted) and b (not): on the straight line between them,
// or at a when b has no finite КСВ to draw that line to.
double Crossing(double ratioA, double vswrA, double ratioB, double vswrB) {
    if (!std::isfinite(vswrB) || !(vswrB > kAcceptedVswr)) return ratioA;
    return ratioA + (ratioB - ratioA) * (kAcceptedVswr - vswrA) / (vswrB - vswrA);
}

// The band about f0 where КСВ <= 2, the КСВ at f0 itself given apart, since a measured
// band need not have f0 among its points.
double Vswr2Fraction(const std::vector<double>& ratio, const std::vector<double>& vswr,
                     double vswrAtF0) {
    if (!Accepted(vswrAtF0)) return 0;
    const std::size_t n = ratio.size();
    std::size_t above = 0; // the first point above f0
    while (above < n && ratio[above] <= 1)
        ++above;
    double upper = ratio.empty() ? 1 : ratio.back();
    double lastRatio = 1, lastVswr = vswrAtF0;
    for (std::size_t i = above; i < n; ++i) {
        if (!Accepted(vswr[i])) {
            upper = Crossing(lastRatio, lastVswr, ratio[i], vswr[i]);
            break;
        }
        lastRatio = ratio[i];
        lastVswr = vswr[i];
    }
    double lower = ratio.empty() ? 1 : ratio.front();
    lastRatio = 1;
    lastVswr = vswrAtF0;
    for (std::size_t i = above; i-- > 0;) {
        if (ratio[i] == 1) continue; // f0 itself
        if (!Accepted(vswr[i])) {
            lower = Crossing(lastRatio, lastVswr, ratio[i], vswr[i]);
            break;
        }
        lastRatio = ratio[i];
        lastVswr = vswr[i];
    }
    return upper - lower;
}

} // namespace

TBandResponse MatchBand(const TBandInput& in, int points) {
    TBandResponse r;
    const bool measured = in.Model == TLoadModel::Measured;
    if (points < 2 || (measured && (!in.Measured || in.Measured->Points.empty() || !(in.F0Hz > 0))))
        return r;
    double from = 0.5, to = 1.5;
    if (measured) {
        from = in.Measured->Points.front().Hz / in.F0Hz;
        to = in.Measured->Points.back().Hz / in.F0Hz;
        if (from == to) points = 1;
    }
    const std::size_t n = std::size_t(points);
    r.Ratio.resize(n);
    r.Chart.Vswr.resize(n);
    r.First.Vswr.resize(n);
    r.Second.Vswr.resize(n);
    const bool solved = in.Exact.Case == TMatchCase::Solved;
    // Without a stub (a load matched already, or one no stub matches) the exact curves are the
    // load's own КСВ, the same anywhere on a lossless line.
    const auto exact = [&](TComplex z, const TStubMatch& m, double ratio) {
        return solved ? VswrOf(z, m, in.Kind, ratio) : WaveRatios(z).Vswr;
    };
    for (std::size_t i = 0; i < n; ++i) {
        // The middle point of an odd count is f0 exactly.
        const double ratio = n == 1 ? from : from + (to - from) * double(i) / double(n - 1);
        const TComplex z = LoadAtRatio(in, ratio);
        r.Ratio[i] = ratio;
        r.Chart.Vswr[i] = VswrOf(z, in.Chart, in.Kind, ratio);
        r.First.Vswr[i] = exact(z, in.Exact.First, ratio);
        r.Second.Vswr[i] = exact(z, in.Exact.Second, ratio);
    }
    const TComplex z0 = LoadAtRatio(in, 1);
    r.Chart.Vswr2Fraction = Vswr2Fraction(r.Ratio, r.Chart.Vswr, VswrOf(z0, in.Chart, in.Kind, 1));
    r.First.Vswr2Fraction = Vswr2Fraction(r.Ratio, r.First.Vswr, exact(z0, in.Exact.First, 1));
    r.Second.Vswr2Fraction = Vswr2Fraction(r.Ratio, r.Second.Vswr, exact(z0, in.Exact.Second, 1));
    return r;
}

} // namespace chart
