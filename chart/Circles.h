// Circles of constant resistance and reactance as canvas ellipses. A routine stores a
// circle's values in the shared state first, then draws the circle from what it stored, so
// the scratch values a routine leaves behind are exactly those of its last circle.
#pragma once

#include "chart/ChartState.h"

#include "toolkit/Canvas.h"

namespace chart {

// Constant resistance r: centre (r/(1+r), 0), radius 1/(1+r), both stored as floats.
void SetRCircle(TChartState& s, double r);
// Pixel centre column and radius of the circle of centre `center` and radius `radius` on
// the axis: PixX = trunc(300 center) + 400, PixR = trunc(300 radius).
struct TRCirclePixels {
    int PixX, PixR;
};
TRCirclePixels RCirclePixels(float center, float radius);
// Box (PixX - PixR, 350 - PixR) - (PixX + PixR, 350 + PixR).
void DrawRCircle(tk::TCanvas& canvas, TRCirclePixels px);
void DrawRCircle(const TChartState& s, tk::TCanvas& canvas); // the one in hand

// Constant reactance with k = 1/x: centre (1, k), radius |k|.
void SetXCircle(TChartState& s, float k);
// Its pixel centre row and signed radius: PixY = trunc(-300k) + 350, PixR = trunc(300k).
struct TXCirclePixels {
    int PixY, PixR;
};
TXCirclePixels XCirclePixels(float k);
// Box (700 - PixR, PixY - PixR) - (700 + PixR, PixY + PixR): corners swapped when k < 0.
void DrawXCircle(tk::TCanvas& canvas, TXCirclePixels px);
void DrawXCircle(const TChartState& s, tk::TCanvas& canvas); // the one in hand

} // namespace chart
