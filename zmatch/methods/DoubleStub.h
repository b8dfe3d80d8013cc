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
// turned one: that region is hatched. On its boundary the circles touch: one solution. A load
// whose first stub would stand in the region is solved with the first stub moved out of it,
// far enough that the circles cross on the chart (kRemedyMarginPx), and the notes say so and
// give the exact shortest distance, on the boundary, and its one solution.
#pragma once

#include "zmatch/methods/Method.h"

#include "chart/Circles.h"
#include "chart/Frame.h"
#include "theory/DoubleStub.h"

#include <array>

namespace zmatch::methods {

TMethodOutcome SolveDoubleStub(const TMethodInput& input);

// The spacings the chart and line theory resolve: at least 0,01 λ from a whole number of
// half wavelengths. Nearer, the stubs stand almost at one place and need susceptances of
// about 2/sin(2πs) (32 at 0,01 λ, 3·10^11 at 10^-12 λ): the second crossing B lies
// within 19 px of the point y = ∞, where every circle of the chart meets and its readings
// say nothing, and stubs cut to a double's precision no longer give those susceptances
// (at 10^-10 λ, built, КСВ 17).
inline constexpr double kClosestSpacing = 0.01;
bool ResolvableSpacing(double spacing);
// The resolvable spacing nearest to a refused one: 0,01 for 10^-10, 0,51 for 0,5000000001.
double NearestResolvableSpacing(double spacing);

// How deep the remedy's constant-g circle crosses the turned circle, in pixels: at the exact
// shortest distance out of the region the two only touch, and A1's truncation and the turned
// circle's move either by up to 1,5 px, so that the chart may find them missing (2,6838 +
// j0,2547 ohms on 50, open stubs λ/8 apart: the first stub at 0,024 λ is refused). Four
// pixels keep them crossing whichever way the pixels fall, and B1 and B2 apart.
inline constexpr double kRemedyMarginPx = 4;

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
    // On the boundary exactly: one solution, Solutions[0], the same point B twice.
    std::size_t Count() const { return Exact.Tangent ? 1 : 2; }
    double FirstStub() const { return Exact.FirstStub; }
};

// Plans the construction; a toolkit exception (kDoubleStubChartMessage) where its circles
// miss at the chart's precision. Where the typed first stub is forbidden, Exact holds the
// solutions at the chart's remedy and, in Shortest and AtShortest, the exact shortest.
TDoubleStubConstruction PlanDoubleStub(const chart::TLoadPoint& load, const TMethodOptions& o);

// Draws it over the load's construction, a step for each sentence DoubleStubSteps tells.
void DrawDoubleStub(tk::TCanvas& canvas, const TDoubleStubConstruction& p,
                    chart::TStepMarks& marks);

// The construction told step by step, the exact values beside (DoubleStubSteps.cpp).
chart::TConstructionSteps DoubleStubSteps(const TDoubleStubConstruction& p,
                                          const chart::TLoadPoint& load,
                                          const std::array<double, 2>& builtVswr);

// Why the construction stops: its circles miss at the chart's precision. The window adds the
// exact answer where line theory has one (DoubleStubRefusal).
extern const char* const kDoubleStubChartMessage;
std::string DoubleStubRefusal(const chart::TLoadPoint& load, const TMethodOptions& o);

} // namespace zmatch::methods
