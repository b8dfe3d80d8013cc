// Circles of the chart as canvas ellipses. A routine stores a circle's values in the shared
// state first, then draws the circle from what it stored, so the scratch values a routine
// leaves behind are exactly those of its last circle.
#pragma once

#include "ChartState.h"

#include <Canvas.h>

namespace chart {

// Constant resistance r: centre (r/(1+r), 0), radius 1/(1+r).
void SetRCircle(TChartState& s, double r);
// Box (PixX - PixR, 350 - PixR) - (PixX + PixR, 350 + PixR).
void DrawRCircle(const TChartState& s, tk::TCanvas& canvas);

// Constant reactance with k = 1/x: centre (1, k), radius |k|.
void SetXCircle(TChartState& s, float k);
// Box (700 - PixR, PixY - PixR) - (700 + PixR, PixY + PixR): corners swapped when k < 0.
void DrawXCircle(const TChartState& s, tk::TCanvas& canvas);

// The circle of radius `radius` about the chart centre, corners given lower-right first
// the way the wiping loops give them.
void DrawCentredCircle(tk::TCanvas& canvas, int radius);

} // namespace chart
