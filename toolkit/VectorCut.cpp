// The cutting of VectorCut.h: Sutherland and Hodgman's polygon clipping, one edge of the area
// at a time, and Liang and Barsky's for a segment, by the four parameters where it crosses the
// area's edges.
#include "toolkit/VectorCut.h"

#include <algorithm>
#include <utility>

namespace tk::shapes {

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

} // namespace tk::shapes
