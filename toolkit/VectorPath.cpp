// The plain geometry of VectorShapes.h: boxes and rectangles, and the path an area is filled
// by, built segment by segment, each subpath from its start point.
#include "toolkit/VectorShapes.h"

#include <algorithm>

namespace tk {

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

} // namespace tk
