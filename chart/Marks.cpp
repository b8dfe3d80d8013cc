#include "chart/Marks.h"

#include <algorithm>

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

// A circle of radius k drawn with a pen w wide paints exactly the pixels whose centres lie
// from k - w/2 (included) to k + w/2 (excluded) from its centre, so rings one pixel apart
// abut for any w >= 1 and all of them together paint the band from firstRadius - w/2 to
// PictureReach + w/2. Two rings paint that band: the outermost one at the pen's own width, and
// one of radius k = (PictureReach + firstRadius) / 2 whose pen is just wide enough to
// start where the first ring did and reach the outermost. The rim's surround (303 to 800,
// width 3): radius 551, width 499, from 301.5 to 800.5, and 800, width 3, from 798.5 to
// 801.5.
void WipeBeyond(tk::TCanvas& canvas, int firstRadius) {
    canvas.Pen.Color = tk::clWhite;
    if (firstRadius > PictureReach) return;
    const auto ring = [&canvas](int k) {
        canvas.Ellipse(ChartCenterX + k, ChartCenterY + k, ChartCenterX - k, ChartCenterY - k);
    };
    const int width = canvas.Pen.Width;
    const int k = (PictureReach + firstRadius) / 2;
    canvas.Pen.Width = 2 * (k - firstRadius) + std::max(width, 1);
    ring(k);
    canvas.Pen.Width = width;
    ring(PictureReach);
}

} // namespace chart
