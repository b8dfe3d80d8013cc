// Two stubs across the line: the first `FirstStub` wavelengths from the load, the second a
// spacing s further toward the generator. The first moves the admittance along its circle
// of constant g onto the circle g = 1 turned toward the load by s; the line of s turns it
// onto g = 1 itself, and the second stub cancels what susceptance is left.
//
// That can be done only while the conductance at the first stub is at most 1/sin²(2πs):
// beyond it (the forbidden region, g > 2 for s = λ/8) no first stub reaches the turned
// circle, and on its boundary the constant-g circle only touches it: one solution. In the
// region the remedy is a line from the load to the first stub long enough to bring the
// admittance out: SolveDoubleStub finds the exact shortest (where g = 1/sin²(2πs)) and its
// one solution, and solves at that distance rounded up to a thousandth of a wavelength.
//
// Textbook example: y = 0,3 + j0,4 at the first stub, s = λ/8, open stubs: b1 = 1,314 or
// -0,114, b2 = 3,380 or -1,380; stubs 0,146 and 0,204 λ, or 0,482 and 0,350 λ.
#pragma once

#include "theory/Network.h"

#include <array>
#include <limits>

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
    // g at the first stub is 1/sin²(2πs) (to kBoundaryTolerance): one solution, First and
    // Second alike.
    bool Tangent = false;
    double FirstStub = 0;              // where the first stub stands: as typed, or the remedy's
    TDoubleStubSolution First, Second; // First: the first stub's b' = b + b1 the larger
    // Where Forbidden: the exact shortest distance from the load out of the region, and the
    // solutions there: on the boundary one (ShortestTangent), at the load itself (0) two.
    double Shortest = std::numeric_limits<double>::quiet_NaN();
    bool ShortestTangent = false;
    std::array<TDoubleStubSolution, 2> AtShortest{};
};

// A conductance within this share of 1/sin²(2πs) lies on the boundary and is solved as the
// tangent, b' = cos(2πs)/sin(2πs): beyond the line of s that leaves g = 1 ± 10^-9, so the
// match's |Г| stays below 10^-9, far under anything built. 20 - j10 ohms on 50 at 3λ/8
// (y = 2 + j) lies on it exactly, and rounding puts its g a few 10^-16 either side.
inline constexpr double kBoundaryTolerance = 1e-9;

// The largest conductance at the first stub that a spacing of s wavelengths can match:
// 1/sin²(2πs), 2 for s = λ/8 and 1 for λ/4. A spacing of a whole number of half wavelengths
// matches nothing (0).
double LargestMatchableConductance(double spacing);

// The shortest distance from the load, in [0, 0.5) wavelengths, at which the conductance on
// a lossless line is at most `largest` (to kBoundaryTolerance): 0 where it already is, NaN
// where the load's |Г| circle never comes so low (its least g is 1/КСВ).
double ShortestDistanceWithin(TComplex z, double largest);

TDoubleStubSolutions SolveDoubleStub(TComplex z, TStubKind kind, double firstStub, double spacing);

// The line to the first stub, the first stub, the spacing, the second stub.
TNetwork DoubleStubNetwork(const TDoubleStubSolution& s, TStubKind kind, double firstStub,
                           double spacing);

} // namespace theory
