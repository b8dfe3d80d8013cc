#include "toolkit/Canvas.h"

#include "toolkit/Exceptions.h"
#include "toolkit/Raster.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

namespace tk {

namespace {

// A width below 1 strokes like 1, as on the device context the routines were written for.
raster::Stroke StrokeOf(const TPen& pen) {
    return raster::Stroke{pen.Color, std::max(pen.Width, 1), pen.Style == TPenStyle::psDash};
}

std::optional<std::uint32_t> FillOf(const TBrush& brush) {
    if (brush.Style == TBrushStyle::bsSolid) return brush.Color;
    return std::nullopt;
}

void Record(const TCanvas& c, TCanvasCall::TOp op, int x1, int y1, int x2 = 0, int y2 = 0) {
    if (c.Log) c.Log->push_back(TCanvasCall{op, x1, y1, x2, y2, {}, c.Pen, c.Brush});
}

} // namespace

TCanvas::TCanvas(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      bits_(std::size_t(width_) * std::size_t(height_), clWhite) {}

void TCanvas::CopyFrom(const TCanvas& source, std::span<const TCanvasCall> sourceCalls) {
    if (source.width_ != width_ || source.height_ != height_)
        throw Exception("TCanvas::CopyFrom: a canvas of another size");
    bits_ = source.bits_;
    Pen = source.Pen;
    Brush = source.Brush;
    PenPos = source.PenPos;
    if (Log) Log->assign(sourceCalls.begin(), sourceCalls.end());
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Record(*this, TCanvasCall::TOp::Ellipse, x1, y1, x2, y2);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return;
    raster::Ellipse(raster::Surface{bits_.data(), width_, height_}, x1, y1, x2, y2, StrokeOf(Pen),
                    FillOf(Brush));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Record(*this, TCanvasCall::TOp::Rectangle, x1, y1, x2, y2);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 && y1 == y2) return;
    // A flat box is its outline squashed onto one row (or column): the outline of the box one
    // pixel high (wide), with nothing inside to fill. Rectangle(300, 350, 500, 350) paints
    // (300, 350) .. (499, 350) with a thin pen, as MoveTo(300, 350); LineTo(500, 350) does.
    const bool flat = x1 == x2 || y1 == y2;
    raster::Rectangle(raster::Surface{bits_.data(), width_, height_}, x1, y1,
                      x1 == x2 ? std::int64_t{x2} + 1 : x2, y1 == y2 ? std::int64_t{y2} + 1 : y2,
                      StrokeOf(Pen), flat ? std::nullopt : FillOf(Brush));
}

void TCanvas::MoveTo(int x, int y) {
    Record(*this, TCanvasCall::TOp::MoveTo, x, y);
    PenPos = TPoint{x, y};
}

void TCanvas::LineTo(int x, int y) {
    Record(*this, TCanvasCall::TOp::LineTo, x, y);
    raster::Line(raster::Surface{bits_.data(), width_, height_}, PenPos.X, PenPos.Y, x, y,
                 StrokeOf(Pen));
    PenPos = TPoint{x, y};
}

} // namespace tk
