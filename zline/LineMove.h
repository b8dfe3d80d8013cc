#pragma once

#include "chart/ChartState.h"
#include "toolkit/Canvas.h"
#include "toolkit/Controls.h"

namespace zline {

// What the move along the line reads and writes on the window.
struct TMoveWindow {
    tk::TEdit& Edit5;               // distance l
    tk::TEdit& Edit6;               // wavelength, in the unit of l
    tk::TEdit& Edit7;               // attenuation in dB over one wavelength
    tk::TRadioButton& RadioButton1; // checked: toward the generator; otherwise toward the load
    tk::TLabel& Label6;             // new normalised impedance
    tk::TLabel& Label7;             // new position in wavelengths
    tk::TLabel& Label12;            // new impedance in ohms
    tk::TCanvas& Canvas;
};

// Turns the last plotted load by l/lambda along the wavelength scale and moves it inward
// (toward the generator) or outward by the line's loss over that distance, draws the ray,
// the new |G| circle and the new point, and reads the new impedance back from the pixel
// the point is drawn on. Always starts from the last plotted load, never from a move.
void MoveAlongLine(chart::TChartState& s, const TMoveWindow& w);

// Loss value in dB of a pixel radius, and back.
double LossOfRadius(double radius);
double RadiusOfLoss(double loss);

extern const char* const kZeroWavelengthMessage;
extern const char* const kBadRatioMessage;
extern const char* const kFarPointMessage;

} // namespace zline
