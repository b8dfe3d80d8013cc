// The single-stub matching built on the chart: planned once from the shared state the last
// load point left, then drawn, left in the state and written out from the plan.
#pragma once

#include "chart/ChartState.h"
#include "chart/Circles.h"
#include "chart/Frame.h"
#include "chart/LoadPoint.h"
#include "chart/StepMarks.h"
#include "chart/TypedLoad.h"
#include "theory/LineTheory.h"
#include "toolkit/Canvas.h"
#include "toolkit/Controls.h"

#include <complex>
#include <string>

namespace zmatch {

// The direction of a point from the centre, scaled by the load's own distance, and its
// angle clockwise on the screen from the 3 o'clock direction.
struct TScreenAngle {
    float C = 0, S = 0, Phi = 0;
};

// One matching: the admittance point A opposite the load, the connection point M where the
// load's |G| circle meets the unit-conductance circle above the axis, the sweep from A to
// M, the susceptance circles of M, and the point S on the rim where the stub's susceptance
// circle ends. Every point is truncated to whole pixels before the next step reads it.
struct TStubConstruction {
    chart::TTypedLoad Load; // the load it was built for, as typed
    double Lambda = 0;      // the wavelength as typed, in the unit wanted
    theory::TStubKind Kind = theory::TStubKind::Short;
    float RadToWaves = 0;

    chart::TPixel A, M, S;
    TScreenAngle AngleA, AngleM;
    chart::TImpedanceAt AtA; // the admittance at the load: the impedance read opposite it
    float Sweep = 0;         // from A to M, in radians
    float BM = 0;            // susceptance at M
    float PhiS = 0;          // S's angle from 3 o'clock, without a quadrant
    chart::TXCirclePixels Plus{}, Minus{}; // the circles of +bM and -bM

    // The answers as the labels print them: in wavelengths and in the wavelength's unit.
    double Distance() const { return double(Sweep) * RadToWaves; }
    double DistanceInUnit() const { return Lambda * Sweep * RadToWaves; }
    double StubStart() const { return Kind == theory::TStubKind::Short ? 0.0 : chart::Pi; }
    double Stub() const { return (PhiS + StubStart()) * RadToWaves; }
    double StubInUnit() const { return Lambda * Stub(); }
};

// Plans the matching of the last plotted load, `load` as it was typed. A load the chart
// cannot match (none shown, matched, not resolved from the rim, or a construction without a
// finite answer) raises a toolkit exception before anything changes.
TStubConstruction PlanStubConstruction(const chart::TChartState& s, const chart::TTypedLoad& load,
                                       double lambda, theory::TStubKind kind);

// Draws it on top of the chart, without clearing it; leaves the pen green for the legend.
// `marks` notes its steps as StubSteps tells them; the last, what the junction sees, draws
// nothing of its own.
void DrawStubConstruction(tk::TCanvas& canvas, const TStubConstruction& m);
void DrawStubConstruction(tk::TCanvas& canvas, const TStubConstruction& m,
                          chart::TStepMarks& marks);

// What the matching leaves in the scratch state: the unit-conductance circle's pixels and
// radius, then the second susceptance circle.
void LeaveStubConstruction(chart::TChartState& s, const TStubConstruction& m);

// Whether the chart can build a match for the load last shown: its point lies at least a
// pixel (1/300 of the radius) inside the rim both truly, 1 - |Г| >= 1/300 (КСВ <= 599), and
// as plotted. 1e6 + j1e6 on 50 ohms (1 - |Г| = 0,00005) is not, though its pixel lies 299
// px from the centre; nor is 20000 ohms (КСВ 400), whose pixel lands on the rim itself.
bool ResolvedFromRim(float pointDistPx, const chart::TTypedLoad& load);

// Why such a load is refused, with its |Г| and КСВ; OnRimMessage adds the exact stub to
// build instead.
std::string OnRimText(const chart::TTypedLoad& load);
std::string OnRimMessage(const chart::TTypedLoad& load, theory::TStubKind kind);

// The wavelength field, read once per matching: a number above zero, from 10^-300 to
// 10^300, so that the lengths in its unit can be written.
double ReadWavelength(const tk::TEdit& edit);

// The texts of the result labels.
std::string AdmittanceCaption(const TStubConstruction& m); // Label6
std::string DistanceCaption(double length);                // Label4, Label11
std::string StubCaption(double length);                    // Label7, Label12

// The circle of normalised conductance 1, on which the stub's connection point lies.
chart::TRCirclePixels UnitConductanceCircle();

using chart::kNoPointMessage;
extern const char* const kMatchedMessage;
extern const char* const kReactiveMessage;
extern const char* const kWavelengthSignMessage;
extern const char* const kWavelengthRangeMessage;
extern const char* const kConstructionMessage;

} // namespace zmatch
