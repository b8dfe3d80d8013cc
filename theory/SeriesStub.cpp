// On the circle |Г| = ρ the circle r = 1 (centre 1/2, radius 1/2) is met where
// u² + v² = ρ² and u² + v² = u: at Г = ρ² ± jρ·√(1 - ρ²), where z = 1 ± j·2ρ/√(1 - ρ²).
#include "theory/SeriesStub.h"

#include "theory/Turns.h"

#include <cmath>

namespace theory {

TSeriesStubSolutions SolveSeriesStub(TComplex z, TStubKind kind) {
    TSeriesStubSolutions s;
    const TComplex gamma = theory::ReflectionOf(z);
    const double rho = std::abs(gamma);
    s.Case = theory::CaseOf(z, rho);
    if (s.Case != TMatchCase::Solved) return s;
    const double root = std::sqrt((1 - rho) * (1 + rho));
    const double from = Arg(gamma);
    const auto solution = [&](double sign) {
        const TComplex at(rho * rho, sign * rho * root);
        const double x = sign * 2 * rho / root;
        return TSeriesStubSolution{TurnToward(from, Arg(at)), x, SeriesStubLength(x, kind)};
    };
    s.First = solution(1);
    s.Second = solution(-1);
    return s;
}

double SeriesStubLength(double x, TStubKind kind) {
    // The series stub's -jx is the shunt stub's admittance formula with the ends swapped:
    // a shorted stub's j·tan is an open one's -j·cot turned a quarter wave.
    return theory::StubLength(x, kind == TStubKind::Short ? TStubKind::Open : TStubKind::Short);
}

TNetwork SeriesStubNetwork(const TSeriesStubSolution& s, TStubKind kind) {
    return {Line(s.Distance), SeriesStub(s.Stub, kind)};
}

} // namespace theory
