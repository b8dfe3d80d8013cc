// The admittance grid: circles of constant conductance g and susceptance b over the chart.
// Turning the G plane half a turn about the centre (G -> -G) takes z to y = 1/z, so the g
// circle of a value is the resistance circle of that value turned about (400, 350), and the
// b arc of a value the reactance arc's: the grid's own values (Grid.h) drawn turned, each
// reading the admittance y at its pixels that the impedance reads turned back.
//
// It is drawn in black on a white canvas of its own, for an image's overlay (TImage) that
// shows it in AdmittanceGridInk through the picture's white. Every arc is cut to the disc
// and drawn as short line pieces, so that the raster and the vector copy get the same calls.
#pragma once

#include "chart/Frame.h"

#include "toolkit/Canvas.h"
#include "toolkit/Color.h"

#include <vector>

namespace chart {

// Teal: apart from the black grid and from the constructions' red, green, blue, yellow,
// purple and fuchsia, light enough to stay behind them, dark enough to read on white.
constexpr tk::TColor AdmittanceGridInk = 0x0096A5; // red 0, green 150, blue 165

// The corners of the line pieces of the g circle and of the b arc of a value: the turned
// impedance circle's pixel centre and radius, the part of it inside the rim, one corner
// every 3 pixels or so of its length. Empty where nothing of it lies inside.
std::vector<TPixel> ConductanceCircle(float g);
std::vector<TPixel> SusceptanceArc(float b);

// The g circles of the resistance circles' values and the b arcs of the main reactance
// arcs' (g = 1 and b = ±1 two pixels wide, the others one), and the resistance labels'
// values upright where each label lands turned: the box (x, y, w, h) to
// (800 - x - w, 700 - y - h), so a g label stands above the axis where its r label stands
// below; a label that would stand across the rim («50», by G = -1) is left out. The fine
// reactance arcs are left out too: forty more arcs about G = -1 would bury the
// construction there.
void DrawAdmittanceGrid(tk::TCanvas& canvas);

} // namespace chart
