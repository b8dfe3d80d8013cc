#pragma once

#include "chart/ChartState.h"
#include "chart/Frame.h"

#include "toolkit/Canvas.h"

#include <string>

namespace chart {

// Draws the bare chart: every arc as a whole circle, then white rings over everything
// beyond the rim, then the wavelength labels. Leaves the brush clear and the pen white,
// width 1, for the program's own finishing routine (its legend or ruler), which the caller
// runs next. Inside the disc it only adds lines, so drawing it twice gives the same picture.
void DrawGrid(TChartState& s, tk::TCanvas& canvas);

// The ring of wavelength labels on radius 320: eight labels, clockwise from G = -1, each
// the angle from G = -1 times `radToWaves`. Returns the last label's anchor, (173, 576),
// before its 10-pixel shift left.
TPixel DrawWavelengthLabels(tk::TCanvas& canvas, float radToWaves);

// The label of a resistance value, as the circles and the scale show it.
std::string ResistanceLabel(double r);

} // namespace chart
