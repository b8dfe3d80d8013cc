#include "theory/QuarterWave.h"

#include "theory/Turns.h"

#include <cmath>

namespace theory {

TQuarterWaveSolutions SolveQuarterWave(TComplex z) {
    TQuarterWaveSolutions s;
    const TComplex gamma = theory::ReflectionOf(z);
    const double rho = std::abs(gamma);
    s.Case = theory::CaseOf(z, rho);
    if (s.Case != TMatchCase::Solved) return s;
    const double vswr = theory::WaveRatios(z).Vswr;
    // A load already real keeps its own value: the exact R, not one made again from Г.
    const bool real = z.imag() == 0;
    const double from = real ? (z.real() > 1 ? 0 : Pi) : Arg(gamma);
    s.Maximum.Distance = TurnToward(from, 0);
    s.Maximum.R = real && z.real() > 1 ? z.real() : vswr;
    s.Minimum.Distance = TurnToward(from, Pi);
    s.Minimum.R = real && z.real() < 1 ? z.real() : 1 / vswr;
    for (TQuarterWaveSolution* q : {&s.Maximum, &s.Minimum})
        q->Zt = std::sqrt(q->R);
    return s;
}

TNetwork QuarterWaveNetwork(const TQuarterWaveSolution& s) {
    return {Line(s.Distance), Line(0.25, s.Zt)};
}

} // namespace theory
