#pragma once

#include "chart/ChartState.h"
#include "chart/Circles.h"
#include "chart/LoadPoint.h"
#include "toolkit/Canvas.h"
#include "toolkit/Controls.h"

namespace zmatch {

// What the matching reads and writes on the window.
struct TMatchWindow {
    tk::TEdit& Edit6;               // the wavelength, in the unit the lengths are wanted in
    tk::TRadioButton& RadioButton1; // checked: short-circuited stub; otherwise open
    tk::TLabel& Label4;             // distance, in the typed unit
    tk::TLabel& Label6;             // admittance at A
    tk::TLabel& Label7;             // stub length, in the typed unit
    tk::TLabel& Label11;            // distance, in wavelengths
    tk::TLabel& Label12;            // stub length, in wavelengths
    tk::TCanvas& Canvas;
};

// Matches the last plotted load with one parallel stub, drawing the construction on top of
// the chart: the admittance point A opposite the load, the connection point M where the
// load's |G| circle meets the unit-conductance circle (upper crossing), the distance arc
// from A to M, the susceptance circles of M and the stub arc to the point S on the rim.
// Every point is truncated to whole pixels before the next step reads it. Leaves the pen
// green for the legend that follows.
void MatchWithStub(chart::TChartState& s, const TMatchWindow& w);

using chart::kNoPointMessage;
// The circle of normalised conductance 1, on which the stub's connection point lies.
chart::TRCirclePixels UnitConductanceCircle();

extern const char* const kMatchedMessage;
extern const char* const kReactiveMessage;
extern const char* const kOnRimMessage;
extern const char* const kNegativeMessage;

} // namespace zmatch
