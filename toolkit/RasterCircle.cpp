// Circles, every shape the chart draws, by their own row loop: the pen's band between two
// circles about the centre, each row's extent followed from row to row on the lattice of
// pixel centres (LatticeRoot), a row and its mirror image below the centre and the two halves
// of a row sharing one computation, and rows the bitmap cannot show skipped in pieces.
#include "toolkit/RasterDash.h"
#include "toolkit/RasterEllipse.h"
#include "toolkit/RasterMath.h"
#include "toolkit/RasterSpans.h"

#include <algorithm>
#include <iterator>
#include <numbers>

namespace tk::raster {
namespace {

using std::int64_t;
using std::uint32_t;

// A circle with a solid pen: the pen's band is the ring I^2 <= X^2 + Y^2 < O^2 about the
// doubled centre and the brush fills the hole inside it.
struct SolidCircle {
    const Surface& s;
    int64_t sx, sy; // doubled centre
    int64_t outer2; // O^2 - 1
    int64_t inner2; // I^2 - 1; below zero without a hole
    uint32_t pen;
    std::optional<uint32_t> brush;
    LatticeRoot outer;
    LatticeRoot inner;

    // Rows from .. to of the upper half (Y <= 0), painting each (Upper), its mirror image
    // below (Lower), or both. Clip when the circle may pass the bitmap's sides; when it
    // cannot, the band's runs left and right of the hole, in both rows, are of one length.
    template <bool Upper, bool Lower, bool Clip> void Rows(int64_t from, int64_t to) {
        for (int64_t y = from; y <= to; ++y) {
            const int64_t Y = 2 * y + 1 - sy;
            const int64_t Y2 = Y * Y;
            const int64_t xo = outer(outer2 - Y2);
            if (xo < 0) continue;
            const int64_t xi = inner(inner2 - Y2);
            const int64_t right = (xo + sx - 1) >> 1; // exact: X + sx - 1 is even
            const int64_t left = sx - 1 - right;
            const int64_t mirror = sy - 1 - y;
            const bool lower = Lower && mirror != y;
            uint32_t* const up = Upper ? s.bits + y * s.width : nullptr;
            uint32_t* const down = lower ? s.bits + mirror * s.width : nullptr;
            if (xi < 0) {
                if (Clip) {
                    if (Upper) Run(s, y, left, right, pen);
                    if (lower) Run(s, mirror, left, right, pen);
                } else {
                    Fill2(Upper ? up + left : nullptr, lower ? down + left : nullptr,
                          right - left + 1, pen);
                }
                continue;
            }
            const int64_t holeRight = (xi + sx - 1) >> 1;
            const int64_t holeLeft = sx - 1 - holeRight;
            if (brush) {
                if (Upper) Run(s, y, holeLeft, holeRight, *brush);
                if (lower) Run(s, mirror, holeLeft, holeRight, *brush);
            }
            if (Clip) {
                if (Upper) {
                    Run(s, y, left, holeLeft - 1, pen);
                    Run(s, y, holeRight + 1, right, pen);
                }
                if (lower) {
                    Run(s, mirror, left, holeLeft - 1, pen);
                    Run(s, mirror, holeRight + 1, right, pen);
                }
            } else if (const int64_t n = right - holeRight; n > 0) {
                Fill2(Upper ? up + left : nullptr, Upper ? up + holeRight + 1 : nullptr, n, pen);
                Fill2(lower ? down + left : nullptr, lower ? down + holeRight + 1 : nullptr, n,
                      pen);
            }
        }
    }
};

// A circle with a thin dashed pen: the band of SolidCircle for a width of one, each pixel
// kept or left by its place along the outline. A pixel and its mirror images in both axes
// make angles a, pi - a, pi + a and 2 pi - a, so one rough angle places all four. A brush
// shows in the dash gaps, so it fills the whole path's disc, X^2 + Y^2 < D^2.
struct DashedCircle {
    const Surface& s;
    int64_t sx, sy; // doubled centre
    int64_t d;      // doubled radius of the path
    int64_t outer2, inner2, path2;
    uint32_t pen;
    std::optional<uint32_t> brush;
    LatticeRoot outer;
    LatticeRoot inner;
    LatticeRoot path;

    template <bool Upper, bool Lower, bool Clip> void Rows(int64_t from, int64_t to) {
        const DashPlaces dashes(static_cast<double>(d + d) / 4.0);
        const double halfTurn = std::numbers::pi * dashes.Scale();
        const double dd = static_cast<double>(d);
        for (int64_t y = from; y <= to; ++y) {
            const int64_t Y = 2 * y + 1 - sy;
            const int64_t Y2 = Y * Y;
            const int64_t xo = outer(outer2 - Y2);
            if (xo < 0) continue;
            const int64_t xi = inner(inner2 - Y2);
            const int64_t mirror = sy - 1 - y;
            const bool upper = Upper;
            const bool lower = Lower && mirror != y;
            if (brush) {
                if (const int64_t xp = path(path2 - Y2); xp >= 0) {
                    const int64_t right = (xp + sx - 1) >> 1;
                    if (upper) Run(s, y, sx - 1 - right, right, *brush);
                    if (lower) Run(s, mirror, sx - 1 - right, right, *brush);
                }
            }
            uint32_t* const rowUp = upper ? s.bits + y * s.width : nullptr;
            uint32_t* const rowDown = lower ? s.bits + mirror * s.width : nullptr;
            // The directions ExactDashAt takes.
            const double up = -static_cast<double>(Y) * dd; // >= 0 on the upper row
            const double down = -static_cast<double>(-Y) * dd;
            const auto visible = [&](int64_t x) { return !Clip || (x >= 0 && x < s.width); };
            const auto dash = [&](uint32_t* row, int64_t x, double u, double r) {
                if (visible(x) && dashes.At(u, r)) row[x] = pen;
            };
            const auto placed = [&](uint32_t* row, int64_t x, double place, double u, double r) {
                if (visible(x) && dashes.AtPlace(place, u, r)) row[x] = pen;
            };
            int64_t from = xi >= 0 ? xi + 2 : (sx - 1) & 1;
            if (from == 0) { // the centre column, on neither side
                const int64_t x = (sx - 1) >> 1;
                if (upper) dash(rowUp, x, up, 0.0);
                if (lower) dash(rowDown, x, down, 0.0);
                from = 2;
            }
            // Only the X whose right or left pixel lies in the bitmap: a huge circle's long
            // spans near its top and bottom cost what they show.
            const int64_t parity = (sx - 1) & 1;
            int64_t spans[2][2] = {{from, xo}, {1, 0}};
            if (Clip) {
                spans[0][0] = std::max(from, 1 - sx);
                spans[0][1] = std::min(xo, 2 * s.width - 1 - sx);
                spans[1][0] = std::max(from, sx - 2 * s.width + 1);
                spans[1][1] = std::min(xo, sx - 1);
                if (spans[1][0] < spans[0][0]) std::swap(spans[0], spans[1]);
                if (spans[1][0] <= spans[0][1] + 2) {
                    spans[0][1] = std::max(spans[0][1], spans[1][1]);
                    spans[1][1] = spans[1][0] - 1;
                }
            }
            for (const auto& [lo, hi] : spans) {
                for (int64_t X = lo + ((lo - parity) & 1); X <= hi; X += 2) {
                    const int64_t right = (X + sx - 1) >> 1;
                    const int64_t left = sx - 1 - right;
                    const double r = static_cast<double>(X) * dd;
                    const double l = static_cast<double>(-X) * dd;
                    const double a = Y == 0 ? 0 : RoughAtan2(up, r);
                    if (!(a > kAngleSlack)) { // on or by the axis through 3 o'clock
                        if (upper) {
                            dash(rowUp, right, up, r);
                            dash(rowUp, left, up, l);
                        }
                        if (lower) {
                            dash(rowDown, right, down, r);
                            dash(rowDown, left, down, l);
                        }
                        continue;
                    }
                    const double place = a * dashes.Scale();
                    if (upper) {
                        placed(rowUp, right, place, up, r);
                        placed(rowUp, left, halfTurn - place, up, l);
                    }
                    if (lower) {
                        placed(rowDown, right, 2 * halfTurn - place, down, r);
                        placed(rowDown, left, halfTurn + place, down, l);
                    }
                }
            }
        }
    }
};

// Upper-half rows (Y <= 0) from the highest wanted row or mirror image of one down to the
// middle, in pieces over which it stays the same whether the row, its mirror image, both or
// neither are wanted: a shape far taller than the bitmap costs no more than the rows it
// paints.
template <class Shape>
void PaintInPieces(Shape&& circle, int64_t sy, const RowWindow& rows, bool clip) {
    const int64_t mid = FloorDiv(sy - 1, 2);
    const int64_t mirrorOf = sy - 1;
    int64_t cuts[] = {rows.top,
                      rows.bottom + 1,
                      rows.skipFrom,
                      rows.skipTo + 1,
                      mirrorOf - rows.bottom,
                      mirrorOf - rows.top + 1,
                      mirrorOf - rows.skipTo,
                      mirrorOf - rows.skipFrom + 1,
                      mid + 1};
    std::sort(std::begin(cuts), std::end(cuts));
    int64_t from = std::min(rows.top, mirrorOf - rows.bottom);
    for (const int64_t cut : cuts) {
        if (cut <= from) continue;
        const int64_t to = std::min(cut, mid + 1) - 1;
        if (from > to) break;
        const bool upper = rows.Painted(from);
        const bool lower = rows.Painted(mirrorOf - from);
        if (upper && lower)
            clip ? circle.template Rows<true, true, true>(from, to)
                 : circle.template Rows<true, true, false>(from, to);
        else if (upper)
            clip ? circle.template Rows<true, false, true>(from, to)
                 : circle.template Rows<true, false, false>(from, to);
        else if (lower)
            clip ? circle.template Rows<false, true, true>(from, to)
                 : circle.template Rows<false, true, false>(from, to);
        from = to + 1;
    }
}

} // namespace

void Circle(const Surface& s, const Oval& o, const RowWindow& rows) {
    const int64_t ox = o.OuterX();
    const int64_t outerMost = (ox - 1 + o.sx - 1) >> 1; // no column lies further right
    const bool clip = o.sx - 1 - outerMost < 0 || outerMost > s.width - 1;
    const int64_t lattice = (1 - o.sx) & 1;
    const int64_t inner2 = o.Hole() ? (o.ax - o.w) * (o.ax - o.w) - 1 : -1;
    if (o.dashed)
        PaintInPieces(DashedCircle{.s = s,
                                   .sx = o.sx,
                                   .sy = o.sy,
                                   .d = o.ax,
                                   .outer2 = ox * ox - 1,
                                   .inner2 = inner2,
                                   .path2 = o.ax * o.ax - 1,
                                   .pen = o.pen,
                                   .brush = o.brush,
                                   .outer = LatticeRoot(lattice),
                                   .inner = LatticeRoot(lattice),
                                   .path = LatticeRoot(lattice)},
                      o.sy, rows, clip);
    else
        PaintInPieces(SolidCircle{.s = s,
                                  .sx = o.sx,
                                  .sy = o.sy,
                                  .outer2 = ox * ox - 1,
                                  .inner2 = inner2,
                                  .pen = o.pen,
                                  .brush = o.brush,
                                  .outer = LatticeRoot(lattice),
                                  .inner = LatticeRoot(lattice)},
                      o.sy, rows, clip);
}

} // namespace tk::raster
