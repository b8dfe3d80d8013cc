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

// A stub's own input impedance: j·z0·tan(βl) shorted, -j·z0·cot(βl) open; ∞ where the
// tangent or cotangent has its pole.
TComplex StubImpedance(const TElement& e, double ratio) {
    const double turn = 2 * Pi * e.Value * ratio;
    const double s = theory::portable::Sin(turn), c = theory::portable::Cos(turn);
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

TComplex InputImpedance(const TNetwork& network, TComplex z, double ratio) {
    for (const TElement& e : network) {
        switch (e.Kind) {
        case TElementKind::Line: {
            const double turn = -4 * Pi * e.Value * ratio;
            const TComplex phasor(theory::portable::Cos(turn), theory::portable::Sin(turn));
            z = ImpedanceOn(ReflectionOn(z, e.Z0) * phasor, e.Z0);
            break;
        }
        case TElementKind::ShuntStub:
            z = Parallel(z, StubImpedance(e, ratio));
            break;
        case TElementKind::SeriesStub:
            z = Series(z, StubImpedance(e, ratio));
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

double InputVswr(const TNetwork& network, TComplex z, double ratio) {
    const TComplex in = InputImpedance(network, z, ratio);
    if (IsOpen(in)) return kInf;
    return theory::WaveRatios(in).Vswr;
}

} // namespace theory
