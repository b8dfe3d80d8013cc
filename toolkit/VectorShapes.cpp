#include "toolkit/VectorShapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace tk {

namespace {

constexpr double kPi = std::numbers::pi;

// What the picture's edge may still show of a shape just outside it: antialiased edges.
constexpr double kEdge = 2;
// The widest pen drawn as it is; the chart's widest, the wipe around the rim, is 499. A wider
// one (no routine draws one) is drawn this wide, which keeps every coordinate written near
// the picture.
constexpr int kMaxWidth = 4096;
// The longest piece of an arc written as one curve: short enough that the curve's error is
// far below a pixel at any radius, and that a piece which shows lies near the picture.
constexpr double kPieceLength = 64;
constexpr double kDashOn = 18;
constexpr double kDashPeriod = 24;

// A point on the ellipse about (cx, cy) at the angle a from 3 o'clock, counter-clockwise on
// the screen (y grows downward).
struct TArc {
    double cx, cy, rx, ry;

    TPointF At(double a) const { return {cx + rx * std::cos(a), cy - ry * std::sin(a)}; }
    TPointF Tangent(double a) const { return {-rx * std::sin(a), -ry * std::cos(a)}; }
    double Reach() const { return std::max(rx, ry); }
};

// The arc from a0 to a1 (either way round), from the path's current point At(a0), as cubic
// curves of at most pi / 8 each: the radial error is below 1e-7 of the radius.
void AppendArc(TPath& path, const TArc& arc, double a0, double a1) {
    const int n = std::max(1, int(std::ceil(std::fabs(a1 - a0) / (kPi / 8))));
    const double step = (a1 - a0) / n;
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    for (int i = 0; i < n; ++i) {
        const double s = a0 + step * i;
        const double e = i + 1 == n ? a1 : a0 + step * (i + 1);
        const TPointF p1 = arc.At(e);
        path.CubicTo(arc.At(s) + k * arc.Tangent(s), p1 - k * arc.Tangent(e), p1);
    }
}

struct TArea {
    double left, top, right, bottom;

    TArea Grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
    bool Meets(double l, double t, double r, double b) const {
        return l <= right && r >= left && t <= bottom && b >= top;
    }
    TRectF Cut(TRectF r) const { return r.Intersected(TRectF{left, top, right, bottom}); }
};

// Calls piece(a0, a1, shows) for consecutive pieces of the whole turn, in order: a piece that
// cannot reach `area` (its curve stays within its chord's box grown by the arc's sagitta)
// is one piece, one that can is halved until it is at most kPieceLength long.
template <class F> void Pieces(const TArc& arc, const TArea& area, F&& piece) {
    const auto split = [&](auto& self, double a0, double a1) -> void {
        const TPointF p = arc.At(a0), q = arc.At(a1);
        // 1 - cos(x / 2) as 2 sin^2(x / 4): exact for the tiny angles of a huge circle.
        const double sag = arc.Reach() * 2 * std::pow(std::sin((a1 - a0) / 4), 2);
        const bool near = area.Meets(std::min(p.x, q.x) - sag, std::min(p.y, q.y) - sag,
                                     std::max(p.x, q.x) + sag, std::max(p.y, q.y) + sag);
        if (!near) return piece(a0, a1, false);
        if (arc.Reach() * (a1 - a0) <= kPieceLength) return piece(a0, a1, true);
        const double mid = (a0 + a1) / 2;
        self(self, a0, mid);
        self(self, mid, a1);
    };
    for (int i = 0; i < 8; ++i)
        split(split, i * kPi / 4, (i + 1) * kPi / 4);
}

// The runs of consecutive pieces that show, as angle intervals.
std::vector<std::pair<double, double>> ShownRuns(const TArc& arc, const TArea& area) {
    std::vector<std::pair<double, double>> runs;
    bool open = false;
    Pieces(arc, area, [&](double a0, double a1, bool shows) {
        if (shows && open)
            runs.back().second = a1;
        else if (shows)
            runs.push_back({a0, a1});
        open = shows;
    });
    return runs;
}

// The polygon cut to the area (Sutherland and Hodgman, one edge of the area at a time).
std::vector<TPointF> CutPolygon(std::vector<TPointF> polygon, const TArea& area) {
    const auto cut = [&](auto inside, auto cross) {
        std::vector<TPointF> out;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const TPointF a = polygon[i], b = polygon[(i + 1) % polygon.size()];
            if (inside(a)) out.push_back(a);
            if (inside(a) != inside(b)) out.push_back(cross(a, b));
        }
        polygon = std::move(out);
    };
    const auto atX = [](TPointF a, TPointF b, double x) {
        return TPointF{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)};
    };
    const auto atY = [](TPointF a, TPointF b, double y) {
        return TPointF{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y};
    };
    cut([&](TPointF p) { return p.x >= area.left; },
        [&](TPointF a, TPointF b) { return atX(a, b, area.left); });
    cut([&](TPointF p) { return p.x <= area.right; },
        [&](TPointF a, TPointF b) { return atX(a, b, area.right); });
    cut([&](TPointF p) { return p.y >= area.top; },
        [&](TPointF a, TPointF b) { return atY(a, b, area.top); });
    cut([&](TPointF p) { return p.y <= area.bottom; },
        [&](TPointF a, TPointF b) { return atY(a, b, area.bottom); });
    return polygon;
}

// The part t0 .. t1 of p + t d that lies in the area (Liang and Barsky); false for none.
bool CutSegment(TPointF p, TPointF d, const TArea& area, double& t0, double& t1) {
    const double q[4][2] = {{-d.x, p.x - area.left},
                            {d.x, area.right - p.x},
                            {-d.y, p.y - area.top},
                            {d.y, area.bottom - p.y}};
    for (const auto& [step, room] : q) {
        if (step == 0) {
            if (room < 0) return false;
            continue;
        }
        const double t = room / step;
        if (step < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 < t1;
}

// The inside of the ellipse. One near the picture is its whole curve; a larger one is the
// pieces that show as short chords (1/1000 of a pixel off the curve at most), the rest as
// one chord each, which stays outside the picture with the piece it stands for, and that
// polygon cut to the picture.
TPath Inside(const TArc& arc, const TArea& area) {
    TPath path;
    if (area.Grown(kPieceLength)
            .Meets(arc.cx - arc.rx, arc.cy - arc.ry, arc.cx - arc.rx, arc.cy - arc.ry) &&
        area.Grown(kPieceLength)
            .Meets(arc.cx + arc.rx, arc.cy + arc.ry, arc.cx + arc.rx, arc.cy + arc.ry)) {
        path.MoveTo(arc.At(0));
        AppendArc(path, arc, 0, 2 * kPi);
        path.Close();
        return path;
    }
    std::vector<TPointF> polygon;
    const double step = std::min(kPi / 32, 4 / arc.Reach());
    Pieces(arc, area, [&](double a0, double a1, bool shows) {
        const int n = shows ? std::max(1, int(std::ceil((a1 - a0) / step))) : 1;
        for (int i = 0; i < n; ++i)
            polygon.push_back(arc.At(a0 + (a1 - a0) * i / n));
    });
    polygon = CutPolygon(polygon, area);
    if (polygon.size() >= 3) path.AddPolygon(polygon);
    return path;
}

void AddQuad(TPath& path, TPointF a, TPointF b, TPointF side) {
    path.MoveTo(a + side);
    path.LineTo(b + side);
    path.LineTo(b - side);
    path.LineTo(a - side);
    path.Close();
}

} // namespace

TBox TBox::Of(std::int64_t xa, std::int64_t ya, std::int64_t xb, std::int64_t yb) {
    return {std::min(xa, xb), std::min(ya, yb), std::max(xa, xb), std::max(ya, yb)};
}

TRectF TBox::Rect() const {
    return {double(x1), double(y1), double(x2), double(y2)};
}

TRectF TRectF::Intersected(const TRectF& other) const {
    return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom)};
}

void TPath::MoveTo(TPointF p) {
    subpaths_.push_back({p, {}, false});
}

void TPath::LineTo(TPointF p) {
    if (subpaths_.empty() || subpaths_.back().closed) MoveTo(Current());
    subpaths_.back().segments.push_back({false, {}, {}, p});
}

void TPath::CubicTo(TPointF c1, TPointF c2, TPointF to) {
    if (subpaths_.empty() || subpaths_.back().closed) MoveTo(Current());
    subpaths_.back().segments.push_back({true, c1, c2, to});
}

void TPath::Close() {
    if (!subpaths_.empty()) subpaths_.back().closed = true;
}

void TPath::AddRect(const TRectF& r) {
    MoveTo({r.left, r.top});
    LineTo({r.right, r.top});
    LineTo({r.right, r.bottom});
    LineTo({r.left, r.bottom});
    Close();
}

void TPath::AddPolygon(std::span<const TPointF> points) {
    if (points.empty()) return;
    MoveTo(points.front());
    for (const TPointF& p : points.subspan(1))
        LineTo(p);
    Close();
}

void TPath::Append(const TPath& other) {
    subpaths_.insert(subpaths_.end(), other.subpaths_.begin(), other.subpaths_.end());
}

bool TPath::Empty() const {
    return std::all_of(subpaths_.begin(), subpaths_.end(),
                       [](const TSubpath& s) { return s.segments.empty(); });
}

TRectF TPath::Bounds() const {
    if (subpaths_.empty()) return {};
    const TPointF first = subpaths_.front().start;
    TRectF box{first.x, first.y, first.x, first.y};
    const auto take = [&box](TPointF p) {
        box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x),
               std::max(box.bottom, p.y)};
    };
    for (const TSubpath& s : subpaths_) {
        take(s.start);
        for (const TSegment& segment : s.segments) {
            if (segment.cubic) {
                take(segment.c1);
                take(segment.c2);
            }
            take(segment.to);
        }
    }
    return box;
}

TPointF TPath::Current() const {
    if (subpaths_.empty()) return {};
    const TSubpath& s = subpaths_.back();
    return s.closed || s.segments.empty() ? s.start : s.segments.back().to;
}

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
    const TPointF c0(double(x0) + 0.5, double(y0) + 0.5), c1(double(x1) + 0.5, double(y1) + 0.5);
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
