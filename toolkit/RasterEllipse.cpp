// Ellipses: the rows of the box the bitmap shows, less those the hole covers across the whole
// bitmap; circles go to their own row loop (RasterCircle.cpp), other ellipses, and circles
// too large for it, to the general one below, which finds each row's extent afresh. The
// pixel rules are those of Canvas.h; RasterMath.h explains the doubled coordinates.
#include "toolkit/RasterEllipse.h"
#include "toolkit/RasterDash.h"
#include "toolkit/RasterMath.h"
#include "toolkit/RasterSpans.h"
#include "toolkit/RasterVectorState.h"

#include <algorithm>

namespace tk::raster {
namespace {

using std::int64_t;
using std::uint32_t;

// Any ellipse, a row and its mirror image at a time: the pen's band between the inner and
// outer ellipses, the brush inside.
struct EllipseRows {
    const Surface& s;
    const Oval& o;
    int64_t parity; // of the doubled column of a pixel centre

    int64_t Column(int64_t X) const { return (X + o.sx - 1) / 2; }

    [[gnu::always_inline]] void Band(int64_t y, int64_t Y, int64_t xa, int64_t xb) const {
        if (xa > xb) return;
        if (!o.dashed) {
            Run(s, y, Column(xa), Column(xb), o.pen);
            return;
        }
        Dashes(y, Y, xa, xb);
    }

    [[gnu::noinline]] void Dashes(int64_t y, int64_t Y, int64_t xa, int64_t xb) const {
        const DashPlaces dashes(static_cast<double>(o.ax + o.ay) / 4.0);
        const int64_t first = std::max<int64_t>(Column(xa), 0);
        const int64_t last = std::min<int64_t>(Column(xb), s.width - 1);
        uint32_t* row = s.bits + y * s.width;
        const double up = -static_cast<double>(Y) * static_cast<double>(o.ax);
        for (int64_t x = first; x <= last; ++x) {
            const int64_t X = 2 * x + 1 - o.sx;
            if (dashes.At(up, static_cast<double>(X) * static_cast<double>(o.ay))) row[x] = o.pen;
        }
    }

    // Rows y and sy - 1 - y lie at Y and -Y and share their spans; `mirrored` paints both.
    void Rows(int64_t y, bool mirrored) const {
        const int64_t Y = 2 * y + 1 - o.sy;
        const int64_t outer = OnLattice(EllipseReach(o.OuterX(), o.OuterY(), Y), parity);
        if (outer < 0) return;
        const int64_t inner =
            o.Hole() ? OnLattice(EllipseReach(o.ax - o.w, o.ay - o.w, Y), parity) : -1;
        // A solid band covers the inside's rim anyway, so the brush need only reach the hole;
        // dash gaps must show the brush wherever they fall inside the path.
        const int64_t fill = !o.brush   ? -1
                             : o.dashed ? OnLattice(EllipseReach(o.ax, o.ay, Y), parity)
                                        : inner;
        Paint(y, Y, outer, inner, fill);
        if (mirrored) Paint(o.sy - 1 - y, -Y, outer, inner, fill);
    }

    void Paint(int64_t y, int64_t Y, int64_t outer, int64_t inner, int64_t fill) const {
        if (fill >= 0) Run(s, y, Column(-fill), Column(fill), *o.brush);
        if (inner < 0) {
            Band(y, Y, -outer, outer);
        } else {
            Band(y, Y, -outer, -inner - 2);
            Band(y, Y, inner + 2, outer);
        }
    }
};

// The rows of the box that hold pixels in the bitmap, or nothing when none do.
std::optional<RowWindow> RowsToPaint(const Surface& s, const Oval& o) {
    const int64_t ox = o.OuterX();
    const int64_t oy = o.OuterY();
    // Rows and columns with |Y| < oy and |X| < ox.
    const PixelRect r = PixelRect{CeilDiv(o.sx - ox, 2), CeilDiv(o.sy - oy, 2),
                                  FloorDiv(o.sx + ox - 2, 2), FloorDiv(o.sy + oy - 2, 2)}
                            .Intersected(Bounds(s));
    if (r.Empty()) return std::nullopt;
    RowWindow rows{r.top, r.bottom, r.bottom + 1, r.bottom};

    // Rows on which the hole spans the whole bitmap hold nothing to paint unless a brush
    // fills the hole. For an annulus enclosing the bitmap that is every row, found in O(1).
    if (o.Hole() && !o.brush) {
        const int64_t farX = std::max(Abs(1 - o.sx), Abs(2 * int64_t(s.width) - 1 - o.sx));
        const int64_t farY = OnLattice(EllipseReach(o.ay - o.w, o.ax - o.w, farX), (1 - o.sy) & 1);
        if (farY >= 0) {
            rows.skipFrom = CeilDiv(o.sy - 1 - farY, 2);
            rows.skipTo = FloorDiv(o.sy - 1 + farY, 2);
        }
    }
    if (rows.skipFrom <= rows.top && rows.skipTo >= rows.bottom) return std::nullopt;
    return rows;
}

} // namespace

void Ellipse(const Surface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2, const Stroke& pen,
             std::optional<uint32_t> brush) {
    const Oval o{.sx = x1 + x2,
                 .sy = y1 + y2,
                 .ax = x2 - x1,
                 .ay = y2 - y1,
                 .w = pen.width,
                 .dashed = pen.dashed && pen.width == 1,
                 .pen = pen.color,
                 .brush = brush};
    const std::optional<RowWindow> rows = RowsToPaint(s, o);
    if (!rows) return;
    CleanVectorState();
    if (o.ax == o.ay && o.OuterX() <= kExactCircle) return Circle(s, o, *rows);

    const EllipseRows e{s, o, (1 - o.sx) & 1};
    for (int64_t y = rows->top; y <= rows->bottom; ++y) {
        if (y >= rows->skipFrom && y <= rows->skipTo) {
            y = rows->skipTo;
            continue;
        }
        // The lower half comes along with the upper, whose mirror image it is.
        const int64_t mirror = o.sy - 1 - y;
        if (mirror < y && rows->Painted(mirror)) continue;
        e.Rows(y, mirror > y && rows->Painted(mirror));
    }
}

} // namespace tk::raster
