// Two stubs across the line: the first `FirstStub` wavelengths from the load, the second a
// spacing s further toward the generator. The first moves the admittance along its circle
// of constant g onto the circle g = 1 turned toward the load by s; the line of s turns it
// onto g = 1 itself, and the second stub cancels what susceptance is left.
//
// That can be done only while the conductance at the first stub is at most 1/sin²(2πs):
// beyond it (the forbidden region, g > 2 for s = λ/8) no first stub reaches the turned
// circle. Then the remedy is a line from the load to the first stub long enough to bring
// the admittance out of the region; SolveDoubleStub finds the shortest, to a thousandth of
// a wavelength, and solves there.
//
// Textbook example: y = 0,3 + j0,4 at the first stub, s = λ/8, open stubs: b1 = 1,314 or
// -0,114, b2 = 3,380 or -1,380; stubs 0,146 and 0,204 λ, or 0,482 and 0,350 λ.
#pragma once

#include "theory/Network.h"

namespace theory {

struct TDoubleStubSolution {
    double B1 = 0, B2 = 0;       // the susceptances the stubs add
    double Stub1 = 0, Stub2 = 0; // their lengths, in [0, 0.5) wavelengths
};

struct TDoubleStubSolutions {
    TMatchCase Case = TMatchCase::Impossible;
    // The load's conductance at the typed first stub lies in the forbidden region; the
    // solutions are then those with the first stub at `FirstStub`, the remedy's distance.
    bool Forbidden = false;
    double FirstStub = 0;              // where the first stub stands: as typed, or the remedy's
    TDoubleStubSolution First, Second; // First: the first stub's b' = b + b1 the larger
};

// The largest conductance at the first stub that a spacing of s wavelengths can match:
// 1/sin²(2πs), 2 for s = λ/8 and 1 for λ/4. A spacing of a whole number of half wavelengths
// matches nothing (0).
double LargestMatchableConductance(double spacing);

TDoubleStubSolutions SolveDoubleStub(TComplex z, TStubKind kind, double firstStub, double spacing);

// The line to the first stub, the first stub, the spacing, the second stub.
TNetwork DoubleStubNetwork(const TDoubleStubSolution& s, TStubKind kind, double firstStub,
                           double spacing);

} // namespace theory
