// The move along a lossy line built on the chart: planned once from the typed distance,
// wavelength and attenuation and the load point the shared state holds, then drawn, left
// in the state and written out from the plan.
#pragma once

#include "chart/ChartState.h"
#include "chart/Frame.h"
#include "chart/StepMarks.h"
#include "chart/TypedLoad.h"
#include "toolkit/Canvas.h"
#include "toolkit/Controls.h"

#include <complex>
#include <string>
#include <string_view>

namespace zline {

// What the user asked for: distance l, wavelength in the unit of l, attenuation in dB over
// one wavelength, and the direction.
struct TMoveInput {
    double L = 0, Lambda = 0, Attenuation = 0;
    bool TowardGenerator = true;
    // The attenuation counts as no loss at all only when its text is exactly "0": that keeps
    // the load's radius and draws no circle ("0,0" draws one, a hair away).
    bool KeepsRadius = false;
};

// Reads l, the wavelength and the attenuation in this order; a bad one raises the
// conversion error naming it, a wavelength not above zero or a negative attenuation a
// toolkit exception.
TMoveInput ReadMoveInput(const tk::TEdit& l, const tk::TEdit& lambda, const tk::TEdit& attenuation,
                         bool towardGenerator);

// Its two fields with a sign of their own: a wavelength above zero, an attenuation of 0 or
// more.
double ReadWavelength(const tk::TEdit& edit);
double ReadAttenuation(const tk::TEdit& edit);

// One move: the last plotted load turned by l/lambda along the wavelength scale and moved
// inward (toward the generator) or outward by the line's loss over that distance, with the
// impedance read back off the pixel the new point lands on.
struct TLineMove {
    TMoveInput Typed;
    chart::TTypedLoad Load;             // the load it starts from, as typed
    std::complex<double> ZLine;         // the line as the chart stores it
    double Ratio = 0;                   // l / lambda
    float From = 0, FromRho = 0;        // the load's place on the scale and its distance, px
    float Position = 0;                 // the new place on the wavelength scale
    float Rho = 0;                      // the new |G| circle's radius, in pixels
    chart::TPixel Ray;                  // the ray's end on the wavelength ring
    chart::TPixel CircleFrom, CircleTo; // the new |G| circle's box
    chart::TPixel Point;                // the new point
    chart::TImpedanceAt Z;              // the normalised impedance read there

    // l/lambda with its direction: toward the load it counts negative.
    double Waves() const { return Typed.TowardGenerator ? Ratio : -Ratio; }
    // The impedance in ohms, R + jX = ZLine (r + jx).
    std::complex<double> Ohms() const;
};

// Plans the move from the last plotted load; refuses (a toolkit exception) before anything
// changes when there is none, or when the new point has no place on any picture.
TLineMove PlanLineMove(const chart::TChartState& s, const chart::TTypedLoad& load,
                       const TMoveInput& in);

// Draws the ray with its label, the dashed new |G| circle (not for "0") and the new point;
// `marks` notes the three as MoveSteps tells them.
void DrawLineMove(tk::TCanvas& canvas, const TLineMove& move);
void DrawLineMove(tk::TCanvas& canvas, const TLineMove& move, chart::TStepMarks& marks);

// The move leaves its new place in NewWavePos.
void LeaveLineMove(chart::TChartState& s, const TLineMove& move);

// The texts of the result labels.
std::string PositionCaption(float position);         // Label7, after either button
std::string ImpedanceCaption(const TLineMove& move); // Label6, normalised
std::string OhmsCaption(const TLineMove& move);      // Label12

// Loss value in dB of a pixel radius, and back.
double LossOfRadius(double radius);
double RadiusOfLoss(double loss);

extern const char* const kWavelengthSignMessage;
extern const char* const kNegativeLossMessage;
extern const char* const kBadRatioMessage;
extern const char* const kFarPointMessage;

} // namespace zline
