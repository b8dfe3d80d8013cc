#include "exercises/PrintedStrokes.h"

#include <cmath>
#include <cstddef>

namespace exercises {

namespace {

using TOp = tk::TCanvasCall::TOp;

bool SamePen(const tk::TPen& a, const tk::TPen& b) {
    return a.Color == b.Color && a.Width == b.Width && a.Style == b.Style;
}

// How far p stands from the segment a–b.
double Distance(tk::TPoint p, tk::TPoint a, tk::TPoint b) {
    const double dx = b.X - a.X, dy = b.Y - a.Y, px = p.X - a.X, py = p.Y - a.Y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? (px * dx + py * dy) / length2 : 0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    const double ex = px - t * dx, ey = py - t * dy;
    return std::sqrt(ex * ex + ey * ey);
}

// Marks in `keep` the points of [first, last] the line needs, the two ends kept already.
void Keep(const std::vector<tk::TPoint>& points, std::size_t first, std::size_t last,
          double tolerance, std::vector<bool>& keep) {
    if (last <= first + 1) return;
    double farthest = -1;
    std::size_t at = first;
    for (std::size_t i = first + 1; i < last; ++i) {
        const double d = Distance(points[i], points[first], points[last]);
        if (d > farthest) {
            farthest = d;
            at = i;
        }
    }
    if (farthest <= tolerance) return;
    keep[at] = true;
    Keep(points, first, at, tolerance, keep);
    Keep(points, at, last, tolerance, keep);
}

// The run of LineTo calls [begin, end) from `start`, its needed points appended to `out`.
void AppendRun(const std::vector<tk::TCanvasCall>& calls, std::size_t begin, std::size_t end,
               tk::TPoint start, double tolerance, std::vector<tk::TCanvasCall>& out) {
    std::vector<tk::TPoint> points{start};
    for (std::size_t i = begin; i < end; ++i)
        points.push_back({calls[i].X1, calls[i].Y1});
    std::vector<bool> keep(points.size(), false);
    keep.front() = keep.back() = true;
    Keep(points, 0, points.size() - 1, tolerance, keep);
    for (std::size_t i = begin; i < end; ++i)
        if (keep[i - begin + 1]) out.push_back(calls[i]);
}

} // namespace

std::vector<tk::TCanvasCall> SimplifiedStrokes(const std::vector<tk::TCanvasCall>& calls,
                                               double tolerancePx) {
    std::vector<tk::TCanvasCall> out;
    out.reserve(calls.size());
    for (std::size_t i = 0; i < calls.size();) {
        const tk::TCanvasCall& c = calls[i];
        const bool fromPoint =
            i > 0 && (calls[i - 1].Op == TOp::MoveTo || calls[i - 1].Op == TOp::LineTo);
        if (c.Op != TOp::LineTo || !fromPoint || c.Pen.Style != tk::TPenStyle::psSolid) {
            out.push_back(c);
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < calls.size() && calls[end].Op == TOp::LineTo && SamePen(calls[end].Pen, c.Pen))
            ++end;
        AppendRun(calls, i, end, {calls[i - 1].X1, calls[i - 1].Y1}, tolerancePx, out);
        i = end;
    }
    return out;
}

} // namespace exercises
