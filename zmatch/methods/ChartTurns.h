// Turns on the chart as the methods draw and read them: the screen angle of a point,
// clockwise from 3 o'clock as a growing place on the wavelength scale turns (y grows
// downward); a sweep from one angle to another toward the generator; the arcs that show a
// distance turned, just inside the wavelength ring as the stub's are.
#pragma once

#include "chart/Frame.h"
#include "toolkit/Canvas.h"

namespace zmatch::methods {

// The distance arcs' radius, inside the wavelength labels' ring; stub arcs a little out.
constexpr int kTurnArcRadius = 310;
constexpr int kStubArcRadius = 315;

// The angle of the direction (c, s) from the centre, clockwise on the screen from 3 o'clock,
// in [0, 2π): arccos of c, turned past π where the point lies above the centre row.
float ScreenAngle(float c, float s);
// The same for a pixel; the centre itself is at 0.
float ScreenAngle(chart::TPixel p);

// Toward the generator from `from` to `to`: clockwise, in [0, 2π).
float Sweep(float from, float to);

// Wavelengths of a sweep on the chart's scale: half a wavelength a turn.
double Waves(float sweep);

// A point `radius` pixels from the centre at the screen angle `phi`, truncated.
chart::TPixel OnCircle(int radius, double phi);

// An arc of `radius` clockwise from `from` over `sweep` radians, drawn with the canvas's
// pen in 360 steps of a line each (a zero sweep: a point).
void DrawArc(tk::TCanvas& canvas, int radius, double from, double sweep);

} // namespace zmatch::methods
