// КСВ at the junction across the band: each matching built once, its line and stub growing
// in wavelengths with f/f0, the load following its model. The frequencies are evenly
// spaced, so the turns of the line's Г and of the stub's end advance by one fixed turn a
// step: a complex product per step instead of a sine and a cosine, taken afresh from the
// portable functions every 50 points (f0 among them in the sweep of 1001 over 0,5 .. 1,5 f0,
// so that КСВ there has the very bits of JunctionReflection), and rounding never builds up
// past a few tens of units in the last place. The band where КСВ <= 2 is found by walking out from
// f0 both ways to the first point above 2, the crossing placed on the straight line between that
// point and the one before it.
#include "theory/BandResponse.h"

#include "theory/PortableMath.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace theory {

namespace {

constexpr double kAcceptedVswr = 2;

// Zн at f = ratio·f0, normalised to the line. A measured load is looked up in Hz, held to
// the stretch of the band it has a load over against the last bit of rounding.
TComplex LoadAtRatio(const TBandInput& in, const measured::TBandEdges& edges, double ratio) {
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

bool Accepted(double vswr) {
    return vswr > 0 && vswr <= kAcceptedVswr;
}

// The turns of one matching at f = ratio·f0: e^(-j4πd) of the line's Г and e^(j2πl) of the
// stub's end, with the stub's susceptance, as JunctionReflection takes them.
struct TTurns {
    TComplex Line, Stub;
    double StubB = 0;
};

TComplex Phasor(double turn) {
    return {portable::Cos(turn), portable::Sin(turn)};
}

TTurns TurnsAt(const TStubMatch& m, TStubKind kind, double ratio) {
    const double stubTurn = 2 * Pi * (m.Stub * ratio);
    TTurns t{Phasor(-4 * Pi * (m.Distance * ratio)), Phasor(stubTurn), 0};
    t.StubB = kind == TStubKind::Short ? -t.Stub.real() / t.Stub.imag() : portable::Tan(stubTurn);
    return t;
}

// The turns one step of `step` in f/f0 further on.
void Advance(TTurns& t, const TTurns& by, TStubKind kind) {
    t.Line *= by.Line;
    t.Stub *= by.Stub;
    t.StubB =
        kind == TStubKind::Short ? -t.Stub.real() / t.Stub.imag() : t.Stub.imag() / t.Stub.real();
}

// КСВ at the junction: the load's Г turned along the line, the stub's admittance beside it.
double VswrOf(TComplex loadGamma, const TTurns& t) {
    const TComplex gamma = loadGamma * t.Line;
    const TComplex total = (1.0 - gamma) / (1.0 + gamma) + TComplex(0, t.StubB);
    return StandingWaveRatio(std::abs((1.0 - total) / (1.0 + total)));
}

// One curve of the sweep: its matching, the turns at the point reached and those of a step.
struct TCurveSweep {
    const TStubMatch* Match = nullptr; // null: no stub, the load's own КСВ
    TTurns At, Step;
    std::vector<double>* Vswr = nullptr;
};

constexpr std::size_t kFreshEvery = 50;

// Where КСВ crosses 2 between a (accepted) and b (not): on the straight line between them,
// or at a when b has no finite КСВ to draw that line to.
double Crossing(double ratioA, double vswrA, double ratioB, double vswrB) {
    if (!std::isfinite(vswrB) || !(vswrB > kAcceptedVswr)) return ratioA;
    return ratioA + (ratioB - ratioA) * (kAcceptedVswr - vswrA) / (vswrB - vswrA);
}

// The band about f0 where КСВ <= 2, the КСВ at f0 itself given apart, since a measured
// band need not have f0 among its points; and whether it runs to either end of the sweep.
void FindVswr2Band(const std::vector<double>& ratio, const std::vector<double>& vswr,
                   double vswrAtF0, TBandCurve& curve) {
    if (!Accepted(vswrAtF0)) return;
    const std::size_t n = ratio.size();
    std::size_t above = 0; // the first point above f0
    while (above < n && ratio[above] <= 1)
        ++above;
    double upper = ratio.empty() ? 1 : ratio.back();
    curve.Vswr2ToHighEdge = true;
    double lastRatio = 1, lastVswr = vswrAtF0;
    for (std::size_t i = above; i < n; ++i) {
        if (!Accepted(vswr[i])) {
            upper = Crossing(lastRatio, lastVswr, ratio[i], vswr[i]);
            curve.Vswr2ToHighEdge = false;
            break;
        }
        lastRatio = ratio[i];
        lastVswr = vswr[i];
    }
    double lower = ratio.empty() ? 1 : ratio.front();
    curve.Vswr2ToLowEdge = true;
    lastRatio = 1;
    lastVswr = vswrAtF0;
    for (std::size_t i = above; i-- > 0;) {
        if (ratio[i] == 1) continue; // f0 itself
        if (!Accepted(vswr[i])) {
            lower = Crossing(lastRatio, lastVswr, ratio[i], vswr[i]);
            curve.Vswr2ToLowEdge = false;
            break;
        }
        lastRatio = ratio[i];
        lastVswr = vswr[i];
    }
    curve.Vswr2Fraction = upper - lower;
}

} // namespace

TBandResponse MatchBand(const TBandInput& in, int points) {
    TBandResponse r;
    const bool measured = in.Model == TLoadModel::Measured;
    if (points < 2 || (measured && (!in.Measured || in.Measured->Points.empty() || !(in.F0Hz > 0))))
        return r;
    double from = 0.5, to = 1.5;
    measured::TBandEdges edges;
    if (measured) {
        const std::optional<measured::TBandEdges> loaded =
            measured::LoadedBandAbout(*in.Measured, in.F0Hz);
        if (!loaded) return r;
        edges = *loaded;
        from = edges.FromHz / in.F0Hz;
        to = edges.ToHz / in.F0Hz;
        if (from == to) points = 1;
    }
    const std::size_t n = std::size_t(points);
    const double step = n == 1 ? 0 : (to - from) / double(n - 1);
    r.Ratio.resize(n);
    // Without a stub (a load matched already, or one no stub matches) the exact curves are the
    // load's own КСВ, the same anywhere on a lossless line.
    const bool solved = in.Exact.Case == TMatchCase::Solved;
    TCurveSweep curves[] = {{&in.Chart, {}, {}, &r.Chart.Vswr},
                            {solved ? &in.Exact.First : nullptr, {}, {}, &r.First.Vswr},
                            {solved ? &in.Exact.Second : nullptr, {}, {}, &r.Second.Vswr}};
    for (TCurveSweep& c : curves) {
        c.Vswr->resize(n);
        if (c.Match) c.Step = TurnsAt(*c.Match, in.Kind, step);
    }
    for (std::size_t i = 0; i < n; ++i) {
        // The middle point of an odd count over 0,5 .. 1,5 is f0 exactly.
        const double ratio = n == 1 ? from : from + (to - from) * double(i) / double(n - 1);
        const TComplex z = LoadAtRatio(in, edges, ratio);
        const TComplex gamma = ReflectionOf(z);
        r.Ratio[i] = ratio;
        for (TCurveSweep& c : curves) {
            if (!c.Match) {
                (*c.Vswr)[i] = WaveRatios(z).Vswr;
                continue;
            }
            if (i % kFreshEvery == 0)
                c.At = TurnsAt(*c.Match, in.Kind, ratio);
            else
                Advance(c.At, c.Step, in.Kind);
            (*c.Vswr)[i] = VswrOf(gamma, c.At);
        }
    }
    const TComplex z0 = LoadAtRatio(in, edges, 1);
    const auto atF0 = [&](const TCurveSweep& c) {
        return c.Match ? VswrOf(ReflectionOf(z0), TurnsAt(*c.Match, in.Kind, 1))
                       : WaveRatios(z0).Vswr;
    };
    FindVswr2Band(r.Ratio, r.Chart.Vswr, atF0(curves[0]), r.Chart);
    FindVswr2Band(r.Ratio, r.First.Vswr, atF0(curves[1]), r.First);
    FindVswr2Band(r.Ratio, r.Second.Vswr, atF0(curves[2]), r.Second);
    return r;
}

TStubMatch AsPrinted(const TStubMatch& read) {
    const auto printed = [](double v) { return std::round(v * 1e3) / 1e3; };
    return {printed(read.Distance), read.B, printed(read.Stub)};
}

} // namespace theory
