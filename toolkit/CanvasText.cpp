// The canvas's text. The font is fetched on the first text call rather than when the
// canvas is made, so a canvas that never draws text works on a machine without fonts.
#include "toolkit/Canvas.h"

#include "toolkit/Font.h"
#include "toolkit/RasterSpans.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

namespace tk {

void TCanvas::TextOut(int x, int y, std::string_view text) {
    if (Log)
        Log->push_back(
            TCanvasCall{TCanvasCall::TOp::TextOut, x, y, 0, 0, std::string(text), Pen, Brush});
    const Font& font = Font::Default();
    const std::int64_t right = std::int64_t{x} + font.TextWidth(text);
    const bool opaque = Brush.Style == TBrushStyle::bsSolid;

    if (opaque) {
        const raster::Surface s{bits_.data(), width_, height_};
        const raster::PixelRect cell =
            raster::PixelRect{x, y, right - 1, std::int64_t{y} + font.Height() - 1}.Intersected(
                raster::Bounds(s));
        if (!cell.Empty()) raster::FillRect(s, cell, Brush.Color);
    }
    font.Draw(bits_.data(), width_, height_, x, y, text, opaque);

    // Past INT_MAX the pen cannot follow; it stops at the edge of the coordinate range.
    PenPos = {static_cast<int>(std::min<std::int64_t>(right, INT_MAX)), y};
}

int TCanvas::TextWidth(std::string_view text) const {
    return Font::Default().TextWidth(text);
}

int TCanvas::TextHeight(std::string_view) const {
    return Font::Default().Height();
}

} // namespace tk
