// The marks the constructions put on the chart, each drawn by one routine.
#pragma once

#include "chart/Frame.h"

#include "toolkit/Canvas.h"

namespace chart {

// A point of the construction: a disc of radius 4 in `fill` with a green outline of the
// pen's width; the brush is left solid white, as every routine that colours it leaves it.
void DrawMarker(tk::TCanvas& canvas, TPixel p, tk::TColor fill);

// A line from the centre to `end`, with the canvas's pen.
void DrawRay(tk::TCanvas& canvas, TPixel end);

// Paints white what white rings of radius firstRadius, firstRadius + 1 ... up to the
// picture's reach would paint with the pen's width: everything drawn that far from the
// centre is wiped. The pen is solid, as every caller's is; the pen is left white and as wide
// as it was. The rings are given lower-right corner first, like every wipe of the chart.
void WipeBeyond(tk::TCanvas& canvas, int firstRadius);

// The first ring that wipes beyond the rim: the rim, 3 px wide, and the circles ending on it
// stay.
constexpr int BeyondRimRadius = ChartRadius + 3;

} // namespace chart
