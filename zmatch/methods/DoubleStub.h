// Two stubs across the line on the chart, the admittances read as zmatch reads them, at the
// point opposite the load:
//
//  1. A, the load's admittance, turned toward the generator by the first stub's distance
//     along its |Г| circle: A1, where the first stub stands, y1 = g + jb.
//  2. The circle g = 1 turned toward the load by the spacing s: what lies on it comes onto
//     g = 1 itself through the line of s.
//  3. The first stub only adds susceptance, so it moves A1 along its circle of constant g;
//     where that circle crosses the turned one, B1 and B2, are the two solutions, and the
//     first stub adds b' - b, b' read there.
//  4. B turned toward the generator by s: C on g = 1, y = 1 + jb2; the second stub adds
//     -b2 and brings it to the centre.
//  5. Each stub's length read on the rim as the single stub's is: from the short-circuit
//     point (right, y = ∞) or the open end (left, y = 0) clockwise to where the circle of
//     its susceptance meets the rim.
//
// While g at the first stub exceeds 1/sin²(2πs) (2 for λ/8) the constant-g circle misses the
// turned one: that region is hatched. A load whose first stub would stand in it is solved
// with the first stub moved to the shortest distance from the load that brings g out, to a
// thousandth of a wavelength, and the notes say so.
#pragma once

#include "zmatch/methods/Method.h"

#include "chart/Circles.h"
#include "chart/Frame.h"
#include "theory/DoubleStub.h"

#include <array>

namespace zmatch::methods {

TMethodOutcome SolveDoubleStub(const TMethodInput& input);

// One solution as the chart reads it.
struct TDoubleStubOnChart {
    chart::TPixel B;         // the crossing, after the first stub
    chart::TImpedanceAt AtB; // g + jb' read there
    float B1 = 0;            // the first stub's susceptance: b' - b
    float RadiusB = 0;       // B's distance from the centre, which the spacing keeps
    float PhiB = 0, PhiC = 0;
    chart::TPixel C;              // B turned by the spacing, on g = 1
    chart::TImpedanceAt AtC;      // 1 + jb2 read there
    float B2 = 0;                 // the second stub's: -b2
    chart::TPixel S1, S2;         // where the stubs' susceptance circles meet the rim
    float Sweep1 = 0, Sweep2 = 0; // from the stubs' end point to S1, S2, clockwise

    double Stub1() const;
    double Stub2() const;
};

struct TDoubleStubConstruction {
    theory::TStubKind Kind = theory::TStubKind::Short;
    double Spacing = 0;
    double TypedFirstStub = 0;
    double Wavelength = 1; // the main window's «Длин. волн.», for the lengths in its unit
    theory::TDoubleStubSolutions Exact; // Exact.FirstStub: where the first stub stands
    double Largest = 0;                 // 1/sin²(2πs): the forbidden region's g

    chart::TPixel A, A1;
    float PhiA = 0, PhiA1 = 0;
    float Turn1 = 0; // A to A1, clockwise
    float TurnS = 0; // the spacing's turn
    chart::TImpedanceAt AtA, AtA1;
    chart::TImpedanceAt AtTyped;        // at the typed first stub: AtA1 unless it is forbidden
    chart::TRCirclePixels ConstantG{};  // g of A1
    chart::TPixel Turned;               // the centre of g = 1 turned toward the load
    chart::TRCirclePixels ForbiddenG{}; // the circle of the largest g
    bool Touching = false;              // the two circles only touch: B1 and B2 are one point
    std::array<TDoubleStubOnChart, 2> Solutions; // the larger b' first, as theory's First

    bool Forbidden() const { return Exact.Forbidden; }
    double FirstStub() const { return Exact.FirstStub; }
};

// Plans the construction; a toolkit exception (kDoubleStubChartMessage) where its circles
// miss at the chart's precision.
TDoubleStubConstruction PlanDoubleStub(const chart::TLoadPoint& load, const TMethodOptions& o);

// Draws it over the load's construction, a step for each sentence DoubleStubSteps tells.
void DrawDoubleStub(tk::TCanvas& canvas, const TDoubleStubConstruction& p,
                    chart::TStepMarks& marks);

// The construction told step by step, the exact values beside (DoubleStubSteps.cpp).
chart::TConstructionSteps DoubleStubSteps(const TDoubleStubConstruction& p,
                                          const chart::TLoadPoint& load,
                                          const std::array<double, 2>& builtVswr);

// Why the construction stops: its circles miss at the chart's precision.
extern const char* const kDoubleStubChartMessage;

} // namespace zmatch::methods
