// КСВ at the network's input across the band: each matching a network (theory/Network.h),
// its lines and stubs growing in wavelengths with f/f0, the load following its model. The
// frequencies are evenly spaced, so each element's turn advances by one fixed turn a step: a
// complex product per step instead of a sine and a cosine, taken afresh from the portable
// functions every 50 points (f0 among them in the sweep of 1001 over 0,5 .. 1,5 f0), and
// rounding never builds up past a few tens of units in the last place. The band where
// КСВ <= 2 is found by walking out from f0 both ways to the first point above 2, the
// crossing then found between that point and the one before it on the exact response
// itself: a straight line between sweep points misplaces it where the band is a few points
// wide (5 - j200 ohms, series stub: 0,113 % for 0,133 %).
#include "theory/BandResponse.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>
#include <optional>

namespace theory {

namespace {

constexpr double kAcceptedVswr = 2;

// Zн at f = ratio·f0, normalised to the line. A measured load is looked up in Hz, held to
// the stretch of the band it has a load over against the last bit of rounding.
TComplex LoadAtRatio(const TBandLoad& in, const measured::TBandEdges& edges, double ratio) {
    switch (in.Model) {
    case TLoadModel::Constant:
        break;
    case TLoadModel::Series: {
        // An inductor's reactance grows with f, a capacitor's falls; R stays.
        const double x = in.Load.imag();
        const double scaled = x > 0 ? x * ratio : x < 0 ? x / ratio : 0.0;
        return TComplex(in.Load.real(), scaled) / in.Line;
    }
    case TLoadModel::Measured:
        return measured::LoadAt(*in.Measured, std::clamp(ratio * in.F0Hz, edges.FromHz, edges.ToHz))
                   .Ohms /
               in.Line;
    }
    return in.Load / in.Line;
}

bool Accepted(double vswr, double limit = kAcceptedVswr) {
    return vswr > 0 && vswr <= limit;
}

constexpr std::size_t kFreshEvery = 50;

// Steps of the search for a crossing at the most; it ends well before, within a few units
// in the last place of f/f0.
constexpr int kMostSteps = 60;
// Off 2 by no more than this, КСВ is 2 as far as a double computes it.
constexpr double kVswrTolerance = 1e-13;

// Where КСВ crosses 2 between a (accepted) and b (not), on the exact response: the secant
// through the interval's ends, the end that stays put its КСВ halved each time it stays
// (the Illinois rule, a few evaluations where halving takes forty), and a halving where the
// КСВ at an end is no number (an open end's infinite КСВ) or the secant leaves the interval.
double Crossing(double a, double b, const TVswrAt& vswrAt, double limit) {
    double fa = vswrAt(a) - limit, fb = vswrAt(b) - limit;
    int kept = 0; // which end stayed last: -1 a, +1 b
    for (int i = 0; i < kMostSteps; ++i) {
        double c = std::isfinite(fa) && std::isfinite(fb) && fb != fa ? b - fb * (b - a) / (fb - fa)
                                                                      : a + (b - a) / 2;
        if (!(c > std::fmin(a, b) && c < std::fmax(a, b))) c = a + (b - a) / 2;
        if (c == a || c == b) break;
        const double vswr = vswrAt(c), fc = vswr - limit;
        if (Accepted(vswr, limit)) {
            a = c;
            fa = fc;
            if (kept == 1) fb /= 2;
            kept = 1;
        } else {
            b = c;
            fb = fc;
            if (kept == -1) fa /= 2;
            kept = -1;
        }
        if (std::fabs(fc) <= kVswrTolerance) return c;
    }
    return a + (b - a) / 2;
}

// The frequencies of a sweep: 0,5 .. 1,5 f0, or the stretch of a measured band about f0 that
// has a load at every point. None without a measurement or a load at f0, or with fewer than
// two points asked.
struct TSweep {
    double From = 0.5, To = 1.5;
    std::size_t Points = 0;
    measured::TBandEdges Edges;

    // The middle point of an odd count over 0,5 .. 1,5 is f0 exactly.
    double Ratio(std::size_t i) const {
        return Points == 1 ? From : From + (To - From) * double(i) / double(Points - 1);
    }
};

std::optional<TSweep> SweepOf(const TBandLoad& in, int points) {
    const bool measured = in.Model == TLoadModel::Measured;
    if (points < 2 || (measured && (!in.Measured || in.Measured->Points.empty() || !(in.F0Hz > 0))))
        return std::nullopt;
    TSweep s;
    if (measured) {
        const std::optional<measured::TBandEdges> loaded =
            measured::LoadedBandAbout(*in.Measured, in.F0Hz);
        if (!loaded) return std::nullopt;
        s.Edges = *loaded;
        s.From = s.Edges.FromHz / in.F0Hz;
        s.To = s.Edges.ToHz / in.F0Hz;
        if (s.From == s.To) points = 1;
    }
    s.Points = std::size_t(points);
    return s;
}

} // namespace

void FindAcceptedBand(const std::vector<double>& ratio, const std::vector<double>& vswr,
                      double vswrAtF0, const TVswrAt& vswrAt, double limit, TBandCurve& curve) {
    if (!Accepted(vswrAtF0, limit)) return;
    const std::size_t n = ratio.size();
    std::size_t above = 0; // the first point above f0
    while (above < n && ratio[above] <= 1)
        ++above;
    double upper = ratio.empty() ? 1 : ratio.back();
    curve.Vswr2ToHighEdge = true;
    double lastRatio = 1;
    for (std::size_t i = above; i < n; ++i) {
        if (!Accepted(vswr[i], limit)) {
            upper = Crossing(lastRatio, ratio[i], vswrAt, limit);
            curve.Vswr2ToHighEdge = false;
            break;
        }
        lastRatio = ratio[i];
    }
    double lower = ratio.empty() ? 1 : ratio.front();
    curve.Vswr2ToLowEdge = true;
    lastRatio = 1;
    for (std::size_t i = above; i-- > 0;) {
        if (ratio[i] == 1) continue; // f0 itself
        if (!Accepted(vswr[i], limit)) {
            lower = Crossing(lastRatio, ratio[i], vswrAt, limit);
            curve.Vswr2ToLowEdge = false;
            break;
        }
        lastRatio = ratio[i];
    }
    curve.Vswr2Fraction = upper - lower;
}

TNetworksResponse NetworksBand(const TBandLoad& in, std::span<const TNetwork> networks,
                               int points) {
    TNetworksResponse r;
    const std::optional<TSweep> sweep = SweepOf(in, points);
    if (!sweep) return r;
    r.Ratio.resize(sweep->Points);
    r.Curves.resize(networks.size());
    for (TBandCurve& c : r.Curves)
        c.Vswr.resize(sweep->Points);
    // Each element's turn advanced a step at a time, afresh every kFreshEvery points, as
    // the single stub's sweep does.
    const std::size_t n = sweep->Points;
    const double step = n == 1 ? 0 : (sweep->To - sweep->From) / double(n - 1);
    std::vector<std::vector<TComplex>> turns(networks.size()), steps(networks.size());
    for (std::size_t k = 0; k < networks.size(); ++k)
        for (const TElement& e : networks[k]) {
            turns[k].push_back(0);
            steps[k].push_back(TurnAt(e, step));
        }
    for (std::size_t i = 0; i < n; ++i) {
        r.Ratio[i] = sweep->Ratio(i);
        const TComplex z = LoadAtRatio(in, sweep->Edges, r.Ratio[i]);
        for (std::size_t k = 0; k < networks.size(); ++k) {
            for (std::size_t e = 0; e < networks[k].size(); ++e)
                turns[k][e] = i % kFreshEvery == 0 ? TurnAt(networks[k][e], r.Ratio[i])
                                                   : turns[k][e] * steps[k][e];
            r.Curves[k].Vswr[i] = VswrOf(InputImpedance(networks[k], z, r.Ratio[i], turns[k]));
        }
    }
    const TComplex z0 = LoadAtRatio(in, sweep->Edges, 1);
    for (std::size_t k = 0; k < networks.size(); ++k) {
        const TNetwork& network = networks[k];
        const measured::TBandEdges& edges = sweep->Edges;
        FindAcceptedBand(
            r.Ratio, r.Curves[k].Vswr, InputVswr(network, z0, 1),
            [&](double ratio) { return InputVswr(network, LoadAtRatio(in, edges, ratio), ratio); },
            kAcceptedVswr, r.Curves[k]);
    }
    return r;
}

// A single stub as a network: the line to the stub, the stub across it. Without a stub (a
// load matched already, or one no stub matches) the exact curves are the load's own КСВ,
// the same anywhere on a lossless line: an empty network.
TBandResponse MatchBand(const TBandInput& in, int points) {
    const auto stub = [&](const TStubMatch& m) {
        return TNetwork{Line(m.Distance), ShuntStub(m.Stub, in.Kind)};
    };
    const bool solved = in.Exact.Case == TMatchCase::Solved;
    const TNetwork networks[] = {stub(in.Chart), solved ? stub(in.Exact.First) : TNetwork{},
                                 solved ? stub(in.Exact.Second) : TNetwork{}};
    TNetworksResponse r = NetworksBand(in, networks, points);
    if (r.Curves.empty()) return {};
    return {std::move(r.Ratio), std::move(r.Curves[0]), std::move(r.Curves[1]),
            std::move(r.Curves[2])};
}

TStubMatch AsPrinted(const TStubMatch& read) {
    const auto printed = [](double v) { return std::round(v * 1e3) / 1e3; };
    return {printed(read.Distance), read.B, printed(read.Stub)};
}

} // namespace theory
