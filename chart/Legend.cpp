#include "chart/Legend.h"

namespace chart {

void DrawLegendRow(tk::TCanvas& c, int row, tk::TColor color, const std::string& text) {
    const int y = kLegendTop + kLegendRowHeight * row;
    c.Pen.Color = color;
    c.MoveTo(kLegendLeft, y);
    c.LineTo(kLegendLeft + kLegendLineLength, y);
    c.TextOut(kLegendLeft + kLegendLineLength + kLegendTextGap, y - kLegendTextRise, text);
}

} // namespace chart
