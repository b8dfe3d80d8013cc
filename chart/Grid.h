#pragma once

#include "chart/ChartState.h"
#include "chart/Frame.h"

#include "toolkit/Canvas.h"

#include <string>
#include <vector>

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

// The values the grid is drawn with, in its order, each a float sum of the steps before it:
// the resistance circles (0 to 1 by 0,1, to 2 by 0,2, to 5 by 1, to 50 by 5), the values its
// resistance labels show (the same to 5, then 50), the main reactance arcs (-50 to 50: by 1
// beyond 5, then 0,75, 0,5 and 0,25 toward 0, without 0) and the fine ones (-1 to 1 by 0,05,
// without 0).
std::vector<float> ResistanceCircleValues();
std::vector<float> ResistanceLabelValues();
std::vector<float> MainReactances();
std::vector<float> FineReactances();

// The label of a resistance value, as the circles and the scale show it.
std::string ResistanceLabel(double r);

} // namespace chart
