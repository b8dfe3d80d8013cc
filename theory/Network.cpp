// Each element turns the impedance it is handed: a line through its reflection, turned by
// -4π·l and back (so an open end, z = ∞, passes as Г = 1); a stub across or in series
// through its own input impedance, j·z0·tan(2πl) shorted or -j·z0·cot(2πl) open; a lumped
// element by its reactance scaled with the frequency.
#include "theory/Network.h"

#include "theory/PortableMath.h"

#include <cmath>
#include <limits>

namespace theory {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

bool IsOpen(TComplex z) {
    return std::isinf(z.real()) || std::isinf(z.imag());
}

// Г of z on a line of impedance z0 (1 for an open end) and back.
TComplex ReflectionOn(TComplex z, double z0) {
    if (IsOpen(z)) return 1;
    return (z - z0) / (z + z0);
}
TComplex ImpedanceOn(TComplex gamma, double z0) {
    if (gamma == TComplex(1, 0)) return {kInf, 0};
    return z0 * (1.0 + gamma) / (1.0 - gamma);
}

// A stub's own input impedance from the turn e^(jβl) of its length: j·z0·tan(βl) shorted,
// -j·z0·cot(βl) open; ∞ where the tangent or cotangent has its pole.
TComplex StubImpedance(const TElement& e, TComplex turn) {
    const double s = turn.imag(), c = turn.real();
    const double over = e.End == TStubKind::Short ? s : -c,
                 under = e.End == TStubKind::Short ? c : s;
    if (under == 0) return {kInf, 0};
    return {0, e.Z0 * over / under};
}

// A lumped element's reactance or susceptance at f/f0 = ratio: a series inductor's ωL and a
// capacitor's ωC across the line grow with f; their negative counterparts, -1/(ωC) in
// series and -1/(ωL) across, shrink.
double Scaled(double v, double ratio) {
    return v > 0 ? v * ratio : v / ratio;
}

TComplex Parallel(TComplex a, TComplex b) {
    if (IsOpen(a)) return b;
    if (IsOpen(b)) return a;
    if (a + b == TComplex(0, 0)) return {kInf, 0}; // a reactance and its opposite resonate
    return a * b / (a + b);
}

TComplex Series(TComplex a, TComplex b) {
    if (IsOpen(a) || IsOpen(b)) return {kInf, 0};
    return a + b;
}

} // namespace

TElement Line(double waves, double z0) {
    return {TElementKind::Line, waves, z0};
}
TElement ShuntStub(double waves, TStubKind end) {
    return {TElementKind::ShuntStub, waves, 1, end};
}
TElement SeriesStub(double waves, TStubKind end) {
    return {TElementKind::SeriesStub, waves, 1, end};
}
TElement SeriesReactance(double x) {
    return {TElementKind::SeriesReactance, x};
}
TElement ShuntSusceptance(double b) {
    return {TElementKind::ShuntSusceptance, b};
}

double TurnPerRatio(const TElement& e) {
    switch (e.Kind) {
    case TElementKind::Line:
        return -4 * Pi * e.Value; // Г turns back and forth
    case TElementKind::ShuntStub:
    case TElementKind::SeriesStub:
        return 2 * Pi * e.Value; // βl
    case TElementKind::SeriesReactance:
    case TElementKind::ShuntSusceptance:
        break;
    }
    return 0;
}

TComplex TurnAt(const TElement& e, double ratio) {
    const double turn = TurnPerRatio(e) * ratio;
    return {theory::portable::Cos(turn), theory::portable::Sin(turn)};
}

TComplex InputImpedance(const TNetwork& network, TComplex z, double ratio,
                        std::span<const TComplex> turns) {
    for (std::size_t i = 0; i < network.size(); ++i) {
        const TElement& e = network[i];
        switch (e.Kind) {
        case TElementKind::Line:
            z = ImpedanceOn(ReflectionOn(z, e.Z0) * turns[i], e.Z0);
            break;
        case TElementKind::ShuntStub:
            z = Parallel(z, StubImpedance(e, turns[i]));
            break;
        case TElementKind::SeriesStub:
            z = Series(z, StubImpedance(e, turns[i]));
            break;
        case TElementKind::SeriesReactance:
            z = Series(z, {0, Scaled(e.Value, ratio)});
            break;
        case TElementKind::ShuntSusceptance: {
            const double b = Scaled(e.Value, ratio);
            z = b == 0 ? z : Parallel(z, {0, -1 / b});
            break;
        }
        }
    }
    return z;
}

TComplex InputImpedance(const TNetwork& network, TComplex z, double ratio) {
    std::vector<TComplex> turns;
    for (const TElement& e : network)
        turns.push_back(TurnAt(e, ratio));
    return InputImpedance(network, z, ratio, turns);
}

double VswrOf(TComplex in) {
    if (IsOpen(in)) return kInf;
    return theory::WaveRatios(in).Vswr;
}

double InputVswr(const TNetwork& network, TComplex z, double ratio) {
    return VswrOf(InputImpedance(network, z, ratio));
}

} // namespace theory
