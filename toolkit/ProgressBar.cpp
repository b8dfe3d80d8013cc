#include "toolkit/ProgressBar.h"

#include <algorithm>

namespace tk {

void DrawProgress(TCanvas& canvas, int done, int total) {
    const int w = canvas.Width(), h = canvas.Height();
    canvas.Pen = {RGB(122, 122, 122), 1};
    canvas.Brush = {TBrushStyle::bsSolid, clWhite};
    canvas.Rectangle(0, 0, w, h);
    if (total <= 0 || done <= 0) return;
    const int inner = w - 2;
    const int filled = int(double(inner) * std::min(done, total) / total);
    if (filled <= 0) return;
    canvas.Pen = {kProgressInk, 1};
    canvas.Brush = {TBrushStyle::bsSolid, kProgressInk};
    canvas.Rectangle(1, 1, 1 + filled, h - 1);
}

} // namespace tk
