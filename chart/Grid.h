#pragma once

#include "chart/ChartState.h"

#include "toolkit/Canvas.h"

#include <functional>
#include <string>

namespace chart {

// Draws the bare chart: every arc as a whole circle, then white rings over everything
// beyond the rim, then the wavelength labels; ends with the program's own finishing
// routine (its legend or ruler). Leaves the brush clear and the pen white, width 1.
// Inside the disc it only adds lines, so drawing it twice gives the same picture.
void DrawGrid(TChartState& s, tk::TCanvas& canvas, const std::function<void()>& finish);

// The ring of wavelength labels on radius 320: eight labels, clockwise from G = -1.
void DrawWavelengthLabels(TChartState& s, tk::TCanvas& canvas);

// The label of a resistance value, as the circles and the scale show it.
std::string ResistanceLabel(double r);

} // namespace chart
