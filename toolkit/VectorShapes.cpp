// The canvas's shapes as areas to fill (VectorShapes.h): lines, thin ones pixel step by pixel
// step, dashes and all, wide ones as bands with round ends; ellipses' rings and insides;
// rectangles' outlines and boxes, each cut to the picture and its margin first.
#include "toolkit/VectorShapes.h"

#include "toolkit/VectorArcs.h"
#include "toolkit/VectorCut.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace tk {

using shapes::AppendArc;
using shapes::CutSegment;
using shapes::Inside;
using shapes::kPi;
using shapes::ShownRuns;
using shapes::TArc;
using shapes::TArea;

namespace {

// What the picture's edge may still show of a shape just outside it: antialiased edges.
constexpr double kEdge = 2;
// The widest pen drawn as it is; the chart's widest, the wipe around the rim, is 499. A wider
// one (no routine draws one) is drawn this wide, which keeps every coordinate written near
// the picture.
constexpr int kMaxWidth = 4096;
constexpr double kDashOn = 18;
constexpr double kDashPeriod = 24;

void AddQuad(TPath& path, TPointF a, TPointF b, TPointF side) {
    path.MoveTo(a + side);
    path.LineTo(b + side);
    path.LineTo(b - side);
    path.LineTo(a - side);
    path.Close();
}

} // namespace

TShapes::TShapes(int width, int height)
    : left_(-kEdge), top_(-kEdge), right_(width + kEdge), bottom_(height + kEdge) {}

bool TShapes::Near(const TBox& box) const {
    return TArea{left_, top_, right_, bottom_}.Meets(double(box.x1), double(box.y1), double(box.x2),
                                                     double(box.y2));
}

bool TShapes::NearX(std::int64_t x) const {
    // A glyph's ink starts a few pixels either side of its pen position.
    return double(x) >= left_ - 32 && double(x) <= right_ + 32;
}

TPath TShapes::Line(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, TStroke pen,
                    std::int64_t dashFrom) const {
    TPath path;
    const TPointF c0{double(x0) + 0.5, double(y0) + 0.5}, c1{double(x1) + 0.5, double(y1) + 0.5};
    const TArea area{left_, top_, right_, bottom_};
    if (pen.width <= 1) {
        const double steps = double(std::max(std::llabs(x1 - x0), std::llabs(y1 - y0)));
        if (steps == 0) return path;
        // Pixel i of the line covers t = i .. i + 1 of start + t step.
        const TPointF step = (c1 - c0) / steps;
        const TPointF start = c0 - step / 2;
        double t0 = 0, t1 = steps;
        if (!CutSegment(start, step, area.Grown(1), t0, t1)) return path;
        const double length = std::hypot(step.x, step.y);
        const TPointF side = TPointF{-step.y, step.x} / length / 2;
        if (!pen.dashed) {
            AddQuad(path, start + t0 * step, start + t1 * step, side);
            return path;
        }
        // Pixel i is drawn when (dashFrom + i) mod 24 < 18.
        const double from = double(dashFrom % 24);
        for (double j = std::floor((t0 + from) / kDashPeriod); j * kDashPeriod - from < t1; ++j) {
            const double a = std::max(t0, j * kDashPeriod - from);
            const double b = std::min(t1, j * kDashPeriod - from + kDashOn);
            if (a < b) AddQuad(path, start + a * step, start + b * step, side);
        }
        return path;
    }
    const double h = std::min(pen.width, kMaxWidth) / 2.0;
    const TPointF d = c1 - c0;
    double t0 = 0, t1 = 1;
    if (d == TPointF()) {
        if (!area.Grown(h).Meets(c0.x, c0.y, c0.x, c0.y)) return path;
        const TArc dot{c0.x, c0.y, h, h};
        path.MoveTo(dot.At(0));
        AppendArc(path, dot, 0, 2 * kPi);
        path.Close();
        return path;
    }
    if (!CutSegment(c0, d, area.Grown(h + 1), t0, t1)) return path;
    const TPointF a = c0 + t0 * d, b = c0 + t1 * d;
    // The band about a .. b with a half circle round each end.
    const double along = std::atan2(-d.y, d.x);
    const TArc endA{a.x, a.y, h, h}, endB{b.x, b.y, h, h};
    path.MoveTo(endA.At(along + kPi / 2));
    path.LineTo(endB.At(along + kPi / 2));
    AppendArc(path, endB, along + kPi / 2, along - kPi / 2);
    path.LineTo(endA.At(along - kPi / 2));
    AppendArc(path, endA, along - kPi / 2, along - 3 * kPi / 2);
    path.Close();
    return path;
}

TPath TShapes::EllipseStroke(const TBox& box, TStroke pen) const {
    TPath path;
    const double h = std::min(pen.width, kMaxWidth) / 2.0;
    const double cx = (double(box.x1) + double(box.x2)) / 2,
                 cy = (double(box.y1) + double(box.y2)) / 2;
    const double rx = (double(box.x2) - double(box.x1)) / 2,
                 ry = (double(box.y2) - double(box.y1)) / 2;
    const TArc outer{cx, cy, rx + h, ry + h}, inner{cx, cy, rx - h, ry - h};
    // A pen as wide as the box leaves no hole: it covers the whole inside of its outer edge
    // (a dashed one too, as thin as a pixel then).
    if (inner.rx <= 0 || inner.ry <= 0) return Inside(outer, TArea{left_, top_, right_, bottom_});
    const auto band = [&](double a0, double a1) {
        path.MoveTo(outer.At(a0));
        AppendArc(path, outer, a0, a1);
        path.LineTo(inner.At(a1));
        AppendArc(path, inner, a1, a0);
        path.Close();
    };
    // The band reaches w inside its outer edge.
    const std::vector<std::pair<double, double>> runs =
        ShownRuns(outer, TArea{left_, top_, right_, bottom_}.Grown(2 * h));
    if (!pen.dashed && runs.size() == 1 && runs.front() == std::pair(0.0, 2 * kPi)) {
        path.MoveTo(outer.At(0));
        AppendArc(path, outer, 0, 2 * kPi);
        path.Close();
        path.MoveTo(inner.At(0));
        AppendArc(path, inner, 0, 2 * kPi);
        path.Close();
        return path;
    }
    const double scale = (rx + ry) / 2; // a dash's place is its angle times the mean radius
    for (const auto& [a0, a1] : runs) {
        if (!pen.dashed) {
            band(a0, a1);
            continue;
        }
        for (double j = std::floor(a0 * scale / kDashPeriod); j * kDashPeriod < a1 * scale; ++j) {
            const double s = std::max(a0, j * kDashPeriod / scale);
            const double e = std::min(a1, (j * kDashPeriod + kDashOn) / scale);
            if (s < e) band(s, e);
        }
    }
    return path;
}

TPath TShapes::EllipseArea(const TBox& box) const {
    const double cx = (double(box.x1) + double(box.x2)) / 2;
    const double cy = (double(box.y1) + double(box.y2)) / 2;
    return Inside(
        TArc{cx, cy, (double(box.x2) - double(box.x1)) / 2, (double(box.y2) - double(box.y1)) / 2},
        TArea{left_, top_, right_, bottom_});
}

TPath TShapes::RectangleStroke(const TBox& box, TStroke pen) const {
    TPath path;
    const std::int64_t w = box.x2 - box.x1, h = box.y2 - box.y1;
    if (pen.width <= 1) {
        // The border's pixels once each, clockwise from the top-left corner.
        if (h == 1) return Line(box.x1, box.y1, box.x2, box.y1, pen);
        if (w == 1) return Line(box.x1, box.y1, box.x1, box.y2, pen);
        path.Append(Line(box.x1, box.y1, box.x2, box.y1, pen, 0));
        path.Append(Line(box.x2 - 1, box.y1 + 1, box.x2 - 1, box.y2, pen, w));
        path.Append(Line(box.x2 - 2, box.y2 - 1, box.x1 - 1, box.y2 - 1, pen, w + h - 1));
        path.Append(Line(box.x1, box.y2 - 2, box.x1, box.y1, pen, 2 * w + h - 2));
        return path;
    }
    // The band w wide about the centres of the border pixels: the outer box less the inner.
    const double half = std::min(pen.width, kMaxWidth) / 2.0;
    const TArea area = TArea{left_, top_, right_, bottom_}.Grown(1);
    const double left = double(box.x1) + 0.5, top = double(box.y1) + 0.5,
                 right = double(box.x2) - 0.5, bottom = double(box.y2) - 0.5;
    const TRectF outer = area.Cut({left - half, top - half, right + half, bottom + half});
    if (outer.Empty()) return path;
    path.AddRect(outer);
    const TRectF inside{left + half, top + half, right - half, bottom - half};
    if (!inside.Empty())
        if (const TRectF inner = area.Cut(inside); !inner.Empty()) path.AddRect(inner);
    return path;
}

TPath TShapes::BoxArea(const TBox& box) const {
    TPath path;
    if (const TRectF shown = BoxRect(box); !shown.Empty()) path.AddRect(shown);
    return path;
}

TRectF TShapes::BoxRect(const TBox& box) const {
    return TArea{left_, top_, right_, bottom_}.Cut(box.Rect());
}

} // namespace tk
