// Transmission-line theory in double precision: the exact answers the chart's pixel
// readings are compared with. Impedances and admittances are normalised to the line,
// lengths are in wavelengths, Г is the voltage reflection coefficient (z - 1)/(z + 1).
// Nothing here reads or writes the chart's state: the callers hand in the typed values.
#pragma once

#include <cmath>
#include <complex>

namespace theory {

using TComplex = std::complex<double>;

inline constexpr double Pi = 3.141592653589793;

// (z - 1)/(z + 1); z = -1 has no finite Г.
TComplex ReflectionOf(TComplex z);
// Whether a line can be matched to the load z, whose |Г| is `rho`: a finite load with a
// resistance, inside the rim. A lossless load (real part 0, |Г| = 1 within rounding) or a
// negative resistance is not.
inline bool Matchable(TComplex z, double rho) {
    return std::isfinite(rho) && z.real() > 0 && rho < 1;
}
// (1 + Г)/(1 - Г); Г = 1 (the open circuit) has no finite z.
TComplex ImpedanceOf(TComplex gamma);
// КСВ (1 + |Г|)/(1 - |Г|): infinite on the rim, |Г| = 1, and negative beyond it, where no
// standing-wave ratio exists (a negative resistance).
double StandingWaveRatio(double gammaAbs);

// |Г| and КСВ of the load z, seen through a line that scales |Г| by `lossFactor` (1: at the
// load itself, or lossless). A purely reactive load (r = 0) has |Г| = 1 exactly and КСВ ∞
// however large its reactance, and r > 0 never lands beyond the rim by rounding. Where
// nothing is lost КСВ is ((1 + |Г|)·|z + 1|)²/(4r), without the cancellation of 1 - |Г|
// near the rim (0,000001 + j3 has КСВ 10000000,0000009; (1 + |Г|)/(1 - |Г|) in double gives
// 9999999,9989). Beyond the rim КСВ is StandingWaveRatio's negative value.
struct TWaveRatios {
    double Gamma = 0, Vswr = 0;
};
TWaveRatios WaveRatios(TComplex z, double lossFactor = 1);
// The same at the load, its |Г| (that of ReflectionOf(z)) already found: a sweep's readings.
TWaveRatios WaveRatiosOf(TComplex z, double gammaAbs);

// Place of Г on the chart's wavelengths-toward-generator scale, in [0, 0.5): 0 at the
// short-circuit point Г = -1, growing as Г turns clockwise. 1 + j1 is at 0.16190.
double WavePosition(TComplex gamma);

// Г after `waves` wavelengths toward the generator (negative: toward the load) on a line
// losing `dbPerWave` dB per wavelength one way: the wave goes there and back, so Г turns
// by -4π·l and its size changes by 10^(-A·l/10) (A in dB per wavelength, l in wavelengths).
// Example: 0,3 λ at 2 dB per λ scales |Г| by 10^-0,06 = 0,87096.
TComplex MoveReflection(TComplex gamma, double waves, double dbPerWave);
double LossFactor(double waves, double dbPerWave);

enum class TStubKind { Short, Open };

// Length of a stub whose input admittance is -jb, cancelling the susceptance b, in
// [0, 0.5): short circuit cot(2πl) = b, open end tan(2πl) = -b.
double StubLength(double b, TStubKind kind);

// One single-stub match: the stub goes across the line `Distance` wavelengths from the
// load, where the admittance is 1 + jB, and is `Stub` wavelengths long.
struct TStubMatch {
    double Distance = 0, B = 0, Stub = 0;
};

enum class TMatchCase {
    Solved,     // two solutions
    Matched,    // Г = 0: no stub needed
    Impossible, // |Г| >= 1 (reactive load, negative resistance) or no finite Г
};

// What a load is before any method solves it, from z and its |Г|: Impossible where no line
// matches it, Matched where |Г| = 0 already, Solved where there is matching to do.
inline TMatchCase CaseOf(TComplex z, double rho) {
    if (!Matchable(z, rho)) return TMatchCase::Impossible;
    return rho == 0 ? TMatchCase::Matched : TMatchCase::Solved;
}

// Both solutions for a lossless line: First has B >= 0 (the inductive stub the chart
// construction shows), Second has B < 0. For z = 2: B = ±0,70711, distances 0,15204 and
// 0,34796 λ, short stubs 0,15204 and 0,34796 λ.
struct TStubSolutions {
    TMatchCase Case = TMatchCase::Impossible;
    TStubMatch First, Second;
};
TStubSolutions SolveStubMatch(TComplex z, TStubKind kind);

// Г seen at the junction, looking toward the load, when a lossless line of `distance`
// wavelengths and a stub of `stub` wavelengths are actually built for the load z.
TComplex JunctionReflection(TComplex z, double distance, double stub, TStubKind kind);

// How many decimals, `fewest` or more, the match's distance and stub need so that the two,
// rounded to them and built, leave |Г| below 0,01 at the junction. 2 + j1 needs no more
// than 5; 0,008 + j6,097 (a load near the rim, b about 69) needs 6.
int BuildableDecimals(TComplex z, const TStubMatch& m, TStubKind kind, int fewest);

} // namespace theory
