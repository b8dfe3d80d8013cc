// The key to a construction's colours, top left of the chart, a row for each colour: a
// sample line 50 px long and, just after its end, what that colour draws, its text centred
// on the line. zmatch's main window keys its distance and stub this way, the methods window
// each solution.
//
//     row 0:  ─────── Расстояние от нагрузки до места подключения   (line at y = 10)
//     row 1:  ─────── Длина шлейфа                                  (line at y = 25)
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/Color.h"

#include <string>

namespace chart {

constexpr int kLegendLeft = 10;      // the sample lines' left end
constexpr int kLegendTop = 10;       // the first row's line
constexpr int kLegendRowHeight = 15; // from one row's line to the next
constexpr int kLegendLineLength = 50;
constexpr int kLegendTextGap = 1;  // from a line's end to its text
constexpr int kLegendTextRise = 6; // the text's top above its line: half of 13 px text

// Row `row` (0 on top) in `color`, with the caller's pen width and style and brush.
void DrawLegendRow(tk::TCanvas& c, int row, tk::TColor color, const std::string& text);

} // namespace chart
