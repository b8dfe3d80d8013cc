// A quarter-wave transformer: a line from the load to where its impedance is real, at the
// voltage maximum (r = КСВ) or minimum (r = 1/КСВ), then a quarter wavelength of line with
// Zт = √(Zв·R), which turns R into Zв. Both places: the maximum, where Г points to the open
// circuit, and the minimum a quarter wavelength on. A load on the real axis needs no line
// (distance 0 for one of them). For z = 2 + j1: КСВ 2,618, the maximum at 0,0369 λ with
// zт = 1,618, the minimum at 0,2869 λ with zт = 0,618.
#pragma once

#include "theory/Network.h"

namespace theory {

struct TQuarterWaveSolution {
    double Distance = 0; // from the load to the transformer, in [0, 0.5) wavelengths
    double R = 0;        // the real impedance there, normalised: КСВ or 1/КСВ
    double Zt = 0;       // the transformer's impedance, normalised: √R
};

struct TQuarterWaveSolutions {
    TMatchCase Case = TMatchCase::Impossible;
    TQuarterWaveSolution Maximum, Minimum;
};

TQuarterWaveSolutions SolveQuarterWave(TComplex z);

// The line to the transformer, then the quarter wave of zт.
TNetwork QuarterWaveNetwork(const TQuarterWaveSolution& s);

} // namespace theory
