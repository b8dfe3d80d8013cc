#include "theory/LineTheory.h"

#include "theory/PortableMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace theory {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// x reduced into [0, period).
double Wrap(double x, double period) {
    const double r = std::fmod(x, period);
    return r < 0 ? r + period : r;
}

// The admittance-plane point of the unit-conductance circle with susceptance b: y = 1 + jb
// stands where the admittance's own reflection (y - 1)/(y + 1) = -Г is jb/(2 + jb).
TComplex UnitConductancePoint(double b) {
    return TComplex(0, b) / TComplex(2, b);
}

// The angle of z in (-π, π], as std::arg, with the same bits on every platform.
double Arg(TComplex z) {
    return portable::Atan2(z.imag(), z.real());
}

} // namespace

TComplex ReflectionOf(TComplex z) {
    if (z == TComplex(-1, 0)) return {kInf, kInf};
    return (z - 1.0) / (z + 1.0);
}

TComplex ImpedanceOf(TComplex gamma) {
    if (gamma == TComplex(1, 0)) return {kInf, kInf};
    return (1.0 + gamma) / (1.0 - gamma);
}

double StandingWaveRatio(double gammaAbs) {
    if (gammaAbs == 1) return kInf;
    return (1 + gammaAbs) / (1 - gammaAbs);
}

TWaveRatios WaveRatios(TComplex z, double lossFactor) {
    const double r = z.real();
    if (r == 0) return {lossFactor, StandingWaveRatio(lossFactor)};
    const double g0 = std::abs(ReflectionOf(z));
    if (lossFactor == 1) return WaveRatiosOf(z, g0);
    const double g = (r > 0 ? std::min(g0, 1.0) : g0) * lossFactor;
    return {g, StandingWaveRatio(g)};
}

TWaveRatios WaveRatiosOf(TComplex z, double gammaAbs) {
    const double r = z.real();
    if (r == 0) return {1, StandingWaveRatio(1)};
    const double g = r > 0 ? std::min(gammaAbs, 1.0) : gammaAbs;
    if (r < 0) return {g, StandingWaveRatio(g)};
    const double root = (1 + g) * std::abs(z + 1.0);
    return {g, root * root / (4 * r)};
}

double WavePosition(TComplex gamma) {
    // Toward the generator Г turns clockwise, by 4π per wavelength.
    return Wrap((Pi - Arg(gamma)) / (4 * Pi), 0.5);
}

double LossFactor(double waves, double dbPerWave) {
    return portable::Pow10(-dbPerWave * waves / 10);
}

TComplex MoveReflection(TComplex gamma, double waves, double dbPerWave) {
    const double size = LossFactor(waves, dbPerWave), turn = -4 * Pi * waves;
    return gamma * TComplex(size * portable::Cos(turn), size * portable::Sin(turn));
}

double StubLength(double b, TStubKind kind) {
    // A short-circuited stub of length l has y = -j cot(2πl), an open one y = j tan(2πl).
    const double turn =
        kind == TStubKind::Short ? portable::Atan2(1.0, b) : Wrap(portable::Atan(-b), Pi);
    return Wrap(turn / (2 * Pi), 0.5);
}

TStubSolutions SolveStubMatch(TComplex z, TStubKind kind) {
    TStubSolutions s;
    const TComplex gamma = ReflectionOf(z);
    const double rho = std::abs(gamma);
    s.Case = CaseOf(z, rho);
    if (s.Case != TMatchCase::Solved) return s;
    // On the circle |Г| = rho the unit-conductance circle is met at b = ±2rho/sqrt(1 - rho²);
    // the admittance's reflection -Г turns clockwise from the load's place to there.
    const double b = 2 * rho / std::sqrt((1 - rho) * (1 + rho));
    const double start = Arg(-gamma);
    const auto solution = [&](double bM) {
        const double distance = Wrap((start - Arg(UnitConductancePoint(bM))) / (4 * Pi), 0.5);
        return TStubMatch{distance, bM, StubLength(bM, kind)};
    };
    s.First = solution(b);
    s.Second = solution(-b);
    return s;
}

TComplex JunctionReflection(TComplex z, double distance, double stub, TStubKind kind) {
    const TComplex gamma = MoveReflection(ReflectionOf(z), distance, 0);
    const TComplex y = (1.0 - gamma) / (1.0 + gamma);
    const double turn = 2 * Pi * stub;
    const TComplex yStub = kind == TStubKind::Short
                               ? TComplex(0, -portable::Cos(turn) / portable::Sin(turn))
                               : TComplex(0, portable::Tan(turn));
    const TComplex total = y + yStub;
    return (1.0 - total) / (1.0 + total);
}

int BuildableDecimals(TComplex z, const TStubMatch& m, TStubKind kind, int fewest) {
    constexpr int kMost = 15; // a double's digits: more do not change the numbers
    int decimals = fewest;
    for (; decimals < kMost; ++decimals) {
        const double scale = portable::Pow10(decimals);
        const double distance = std::round(m.Distance * scale) / scale;
        const double stub = std::round(m.Stub * scale) / scale;
        if (std::abs(JunctionReflection(z, distance, stub, kind)) < 0.01) break;
    }
    return decimals;
}

} // namespace theory
