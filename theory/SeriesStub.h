// One stub in series with the line: at `Distance` wavelengths from the load the line's
// impedance is 1 + jX, on the load's |Г| circle where it crosses r = 1, and the stub there
// adds -jX. Both crossings: First with X >= 0 (above the real axis), Second with X < 0. For
// z = 2 + j1 (Г = 0,4 + j0,2) the crossings are Г = 0,2 ± j0,4, where z = 1 ± j1: X = 1 at
// 0,44879 λ and X = -1 at 0,12500 λ.
#pragma once

#include "theory/Network.h"

namespace theory {

struct TSeriesStubSolution {
    double Distance = 0, X = 0, Stub = 0;
};

struct TSeriesStubSolutions {
    TMatchCase Case = TMatchCase::Impossible;
    TSeriesStubSolution First, Second;
};

TSeriesStubSolutions SolveSeriesStub(TComplex z, TStubKind kind);

// Length of a series stub whose input impedance is -jx, cancelling the reactance x, in
// [0, 0.5): shorted tan(2πl) = -x, open cot(2πl) = x.
double SeriesStubLength(double x, TStubKind kind);

// The line from the load to the stub, then the stub.
TNetwork SeriesStubNetwork(const TSeriesStubSolution& s, TStubKind kind);

} // namespace theory
