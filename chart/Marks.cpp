#include "Marks.h"

namespace chart {

void DrawMarker(tk::TCanvas& canvas, TPixel p, tk::TColor fill) {
    canvas.Pen.Color = tk::clGreen;
    canvas.Brush.Style = tk::TBrushStyle::bsSolid;
    canvas.Brush.Color = fill;
    canvas.Ellipse(p.X - 4, p.Y - 4, p.X + 4, p.Y + 4);
    canvas.Brush.Color = tk::clWhite;
}

void DrawRay(tk::TCanvas& canvas, TPixel end) {
    canvas.MoveTo(ChartCenterX, ChartCenterY);
    canvas.LineTo(end.X, end.Y);
}

void WipeBeyond(tk::TCanvas& canvas, int firstRadius) {
    canvas.Pen.Color = tk::clWhite;
    for (int k = firstRadius; k <= PictureReach; ++k)
        canvas.Ellipse(ChartCenterX + k, ChartCenterY + k, ChartCenterX - k, ChartCenterY - k);
}

} // namespace chart
