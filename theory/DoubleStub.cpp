// With the first stub's susceptance added, y1 = g + jb' goes through the spacing s, where
// y2 = (y1·c + j·sn)/(c + j·y1·sn) (c = cos 2πs, sn = sin 2πs). Its real part is
// g/((c - b'·sn)² + g²·sn²), so g2 = 1 asks (c - b'·sn)² = g - g²·sn²: two b' while
// g <= 1/sn², one on the boundary, and then b2 = -Im y2, with |c + j·y1·sn|² = g.
#include "theory/DoubleStub.h"

#include "theory/PortableMath.h"
#include "theory/Turns.h"

#include <cmath>

namespace theory {

namespace {

// The admittance at `waves` from the load along a lossless line.
TComplex AdmittanceAt(TComplex gamma, double waves) {
    return 1.0 / theory::ImpedanceOf(theory::MoveReflection(gamma, waves, 0));
}

constexpr double kStep = 0.001; // the remedy's distances: a thousandth of a wavelength

bool Within(double g, double largest) {
    return g <= largest * (1 + kBoundaryTolerance);
}

// The solutions with the first stub where the admittance is y.
void SolveAt(TDoubleStubSolutions& s, TComplex y, TStubKind kind, double spacing) {
    const double g = y.real(), b = y.imag();
    const double c = theory::portable::Cos(2 * Pi * spacing),
                 sn = theory::portable::Sin(2 * Pi * spacing);
    s.Tangent = std::fabs(g * sn * sn - 1) <= kBoundaryTolerance;
    const double root = s.Tangent ? 0.0 : std::sqrt(std::max(0.0, g - g * g * sn * sn));
    const auto solution = [&](double sign) {
        const double b1 = (c - sign * root) / sn; // b' = b + the first stub's
        const double im = b1 * c * c - b1 * b1 * c * sn + sn * c - b1 * sn * sn - g * g * c * sn;
        TDoubleStubSolution d;
        d.B1 = b1 - b;
        d.B2 = -im / g;
        d.Stub1 = theory::StubLength(-d.B1, kind);
        d.Stub2 = theory::StubLength(-d.B2, kind);
        return d;
    };
    s.First = solution(-1);
    s.Second = s.Tangent ? s.First : solution(1);
}

} // namespace

double LargestMatchableConductance(double spacing) {
    const double sn = theory::portable::Sin(2 * Pi * spacing);
    if (std::fabs(sn) < 1e-12) return 0;
    return 1 / (sn * sn);
}

// Along the line g = (1 - ρ²)/(1 + ρ² + 2ρ·cos φ), φ = arg Г - 4π·d, so g <= G while
// cos φ >= c0 = ((1 - ρ²)/G - 1 - ρ²)/(2ρ): for φ within ±acos c0 of 0. Toward the generator
// φ falls, and leaves the region where it reaches +acos c0.
double ShortestDistanceWithin(TComplex z, double largest) {
    const TComplex gamma = theory::ReflectionOf(z);
    const double rho = std::abs(gamma);
    if (Within(AdmittanceAt(gamma, 0).real(), largest)) return 0;
    const double c0 = ((1 - rho * rho) / largest - 1 - rho * rho) / (2 * rho);
    if (!(c0 <= 1)) return std::numeric_limits<double>::quiet_NaN();
    const double out = theory::portable::Atan2(std::sqrt(std::max(0.0, 1 - c0 * c0)), c0);
    const double phi = theory::Wrap(theory::Arg(gamma), 2 * Pi);
    return std::max(0.0, (phi - out) / (4 * Pi));
}

TDoubleStubSolutions SolveDoubleStub(TComplex z, TStubKind kind, double firstStub, double spacing) {
    TDoubleStubSolutions s;
    const TComplex gamma = theory::ReflectionOf(z);
    const double rho = std::abs(gamma);
    const double largest = LargestMatchableConductance(spacing);
    if (!Matchable(z, rho) || !(largest > 0)) return s;
    s.Case = rho == 0 ? TMatchCase::Matched : TMatchCase::Solved;
    s.FirstStub = firstStub;
    if (!Within(AdmittanceAt(gamma, firstStub).real(), largest)) {
        s.Forbidden = true;
        s.Shortest = ShortestDistanceWithin(z, largest);
        if (std::isnan(s.Shortest)) {
            s.Case = TMatchCase::Impossible;
            return s;
        }
        SolveAt(s, AdmittanceAt(gamma, s.Shortest), kind, spacing);
        s.ShortestTangent = s.Tangent;
        s.AtShortest = {s.First, s.Second};
        // The remedy: the shortest rounded up to a thousandth, unless that overshoots a
        // stretch out of the region shorter than a thousandth.
        const double rounded = std::ceil(s.Shortest / kStep - 1e-9) * kStep;
        s.FirstStub = Within(AdmittanceAt(gamma, rounded).real(), largest) ? rounded : s.Shortest;
    }
    SolveAt(s, AdmittanceAt(gamma, s.FirstStub), kind, spacing);
    return s;
}

TNetwork DoubleStubNetwork(const TDoubleStubSolution& s, TStubKind kind, double firstStub,
                           double spacing) {
    return {Line(firstStub), ShuntStub(s.Stub1, kind), Line(spacing), ShuntStub(s.Stub2, kind)};
}

} // namespace theory
