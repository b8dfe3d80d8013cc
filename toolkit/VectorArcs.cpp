// The arcs of VectorArcs.h: the curves, the pieces of a turn that can show, found by halving,
// and the inside of an ellipse, whole or as the polygon of the pieces that show.
#include "toolkit/VectorArcs.h"

namespace tk::shapes {

namespace {

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

} // namespace

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

} // namespace tk::shapes
