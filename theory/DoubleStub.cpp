// With the first stub's susceptance added, y1 = g + jb' goes through the spacing s, where
// y2 = (y1·c + j·sn)/(c + j·y1·sn) (c = cos 2πs, sn = sin 2πs). Its real part is
// g/((c - b'·sn)² + g²·sn²), so g2 = 1 asks (c - b'·sn)² = g - g²·sn²: two b' while
// g <= 1/sn², and then b2 = -Im y2, with |c + j·y1·sn|² = g.
#include "theory/DoubleStub.h"

#include "theory/PortableMath.h"
#include "theory/Turns.h"

#include <cmath>
#include <limits>

namespace theory {

namespace {

// The admittance at `waves` from the load along a lossless line.
TComplex AdmittanceAt(TComplex gamma, double waves) {
    return 1.0 / theory::ImpedanceOf(theory::MoveReflection(gamma, waves, 0));
}

constexpr double kStep = 0.001; // the remedy's distances: a thousandth of a wavelength

} // namespace

double LargestMatchableConductance(double spacing) {
    const double sn = theory::portable::Sin(2 * Pi * spacing);
    if (std::fabs(sn) < 1e-12) return 0;
    return 1 / (sn * sn);
}

TDoubleStubSolutions SolveDoubleStub(TComplex z, TStubKind kind, double firstStub, double spacing) {
    TDoubleStubSolutions s;
    const TComplex gamma = theory::ReflectionOf(z);
    const double rho = std::abs(gamma);
    const double largest = LargestMatchableConductance(spacing);
    if (!Matchable(z, rho) || !(largest > 0)) return s;
    s.Case = rho == 0 ? TMatchCase::Matched : TMatchCase::Solved;
    s.FirstStub = firstStub;
    if (!(AdmittanceAt(gamma, firstStub).real() <= largest)) {
        // The shortest line from the load that brings the conductance out, to a thousandth
        // of a wavelength: half a wavelength turns the admittance once round its circle.
        s.Forbidden = true;
        s.FirstStub = std::numeric_limits<double>::quiet_NaN();
        for (int k = 0; k * kStep < 0.5; ++k)
            if (AdmittanceAt(gamma, k * kStep).real() <= largest) {
                s.FirstStub = k * kStep;
                break;
            }
        if (std::isnan(s.FirstStub)) {
            s.Case = TMatchCase::Impossible;
            return s;
        }
    }
    const TComplex y = AdmittanceAt(gamma, s.FirstStub);
    const double g = y.real(), b = y.imag();
    const double c = theory::portable::Cos(2 * Pi * spacing),
                 sn = theory::portable::Sin(2 * Pi * spacing);
    const double root = std::sqrt(std::max(0.0, g - g * g * sn * sn));
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
    s.Second = solution(1);
    return s;
}

TNetwork DoubleStubNetwork(const TDoubleStubSolution& s, TStubKind kind, double firstStub,
                           double spacing) {
    return {Line(firstStub), ShuntStub(s.Stub1, kind), Line(spacing), ShuntStub(s.Stub2, kind)};
}

} // namespace theory
