// Ellipses, circles among them, by one row loop: the rows of the box the bitmap shows, less
// those the hole covers across the whole bitmap, each with its mirror image below the centre;
// on each row the pen's band between the inner and outer ellipses and the brush inside, their
// extents followed from row to row (LatticeReach). The pixel rules are those of Canvas.h;
// RasterMath.h explains the doubled coordinates.
#include "toolkit/RasterDash.h"
#include "toolkit/RasterMath.h"
#include "toolkit/RasterSpans.h"
#include "toolkit/RasterVectorState.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace tk::raster {
namespace {

using std::int64_t;
using std::uint32_t;

// An ellipse's box in doubled coordinates, with its pen and brush.
struct Oval {
    int64_t sx, sy; // doubled centre
    int64_t ax, ay; // doubled semi-axes of the path: the box's width and height
    int64_t w;      // pen width
    bool dashed;    // a width-1 dashed pen
    uint32_t pen;
    std::optional<uint32_t> brush;

    // The pen's band lies between the ellipses of doubled semi-axes (ax - w, ay - w) and
    // (ax + w, ay + w); the inner one exists (there is a hole) when both are positive.
    int64_t OuterX() const { return ax + w; }
    int64_t OuterY() const { return ay + w; }
    bool Hole() const { return ax > w && ay > w; }
    // The path itself is followed only where a brush shows through the dash gaps.
    bool NeedsPath() const { return dashed && brush; }
};

// Rows top .. bottom, met by the bitmap, less skipFrom .. skipTo (empty when skipFrom >
// skipTo): rows across which the hole spans the whole bitmap and nothing shows.
struct RowWindow {
    int64_t top, bottom;
    int64_t skipFrom, skipTo;

    bool Painted(int64_t y) const {
        return y >= top && y <= bottom && (y < skipFrom || y > skipTo);
    }
};

// One ellipse's rows in the arithmetic T, a row and its mirror image at a time.
template <class T> class EllipseRows {
  public:
    EllipseRows(const Surface& s, const Oval& o)
        : s_(s), o_(o), hole_(o.Hole()), outer_(o.OuterX(), o.OuterY(), Parity(o)),
          inner_(o.Hole() ? o.ax - o.w : 1, o.Hole() ? o.ay - o.w : 1, Parity(o)),
          path_(o.NeedsPath() ? o.ax : 1, o.NeedsPath() ? o.ay : 1, Parity(o)),
          // Columns with |X| < OuterX(), the furthest any row reaches.
          clip_(CeilDiv(o.sx - o.OuterX(), 2) < 0 ||
                FloorDiv(o.sx + o.OuterX() - 2, 2) >= s.width) {}

    // Rows y and sy - 1 - y lie at Y and -Y and share their spans; `upper` paints the one,
    // `lower` the other.
    [[gnu::always_inline]] void Rows(int64_t y, bool upper, bool lower) {
        const int64_t sx = o_.sx;
        const uint32_t pen = o_.pen;
        uint32_t* const bits = s_.bits;
        const int64_t width = s_.width;
        const int64_t Y = 2 * y + 1 - o_.sy;
        const T Y2 = T(Y) * T(Y);
        const int64_t outer = outer_(Y2);
        if (outer < 0) return;
        const int64_t inner = hole_ ? inner_(Y2) : -1;
        const int64_t mirror = o_.sy - 1 - y;
        // A solid band covers the inside's rim anyway, so the brush need only reach the hole;
        // dash gaps must show the brush wherever they fall inside the path.
        if (const int64_t fill = !o_.brush ? -1 : o_.dashed ? path_(Y2) : inner; fill >= 0) {
            const uint32_t brush = *o_.brush;
            const int64_t right = Column(fill);
            if (upper) Run(s_, y, sx - 1 - right, right, brush);
            if (lower) Run(s_, mirror, sx - 1 - right, right, brush);
        }
        if (o_.dashed) {
            if (upper) Dashes(y, Y, outer, inner);
            if (lower) Dashes(mirror, -Y, outer, inner);
            return;
        }
        // Both rows, and both halves of a row, hold runs of one length n: from left and
        // from holeRight + 1.
        const int64_t right = Column(outer);
        const int64_t left = sx - 1 - right;
        const int64_t holeRight = inner < 0 ? left - 1 : Column(inner);
        const int64_t holeLeft = sx - 1 - holeRight;
        const int64_t n = inner < 0 ? right - left + 1 : right - holeRight;
        if (n <= 0) return;
        if (clip_) {
            const auto paint = [&](int64_t row) {
                Run(s_, row, left, inner < 0 ? right : holeLeft - 1, pen);
                if (inner >= 0) Run(s_, row, holeRight + 1, right, pen);
            };
            if (upper) paint(y);
            if (lower) paint(mirror);
            return;
        }
        uint32_t* const up = upper ? bits + y * width : nullptr;
        uint32_t* const down = lower ? bits + mirror * width : nullptr;
        if (inner < 0) return Fill2(up ? up + left : nullptr, down ? down + left : nullptr, n, pen);
        if (up) Fill2(up + left, up + holeRight + 1, n, pen);
        if (down) Fill2(down + left, down + holeRight + 1, n, pen);
    }

  private:
    static int64_t Parity(const Oval& o) { return (1 - o.sx) & 1; }

    // Exact: X + sx - 1 is even on the lattice.
    int64_t Column(int64_t X) const { return (X + o_.sx - 1) >> 1; }

    [[gnu::always_inline]] void Dashes(int64_t y, int64_t Y, int64_t outer, int64_t inner) const {
        if (inner < 0) {
            Band(y, Y, -outer, outer);
        } else {
            Band(y, Y, -outer, -inner - 2);
            Band(y, Y, inner + 2, outer);
        }
    }

    [[gnu::always_inline]] void Band(int64_t y, int64_t Y, int64_t xa, int64_t xb) const {
        if (xa > xb) return;
        const double scale = static_cast<double>(o_.ax + o_.ay) / 4.0;
        const double up = -static_cast<double>(Y) * static_cast<double>(o_.ax);
        const int64_t first = std::max<int64_t>(Column(xa), 0);
        const int64_t last = std::min<int64_t>(Column(xb), s_.width - 1);
        uint32_t* const row = s_.bits + y * s_.width;
        for (int64_t x = first; x <= last; ++x) {
            const int64_t X = 2 * x + 1 - o_.sx;
            if (OnEllipseDash(up, static_cast<double>(X) * static_cast<double>(o_.ay), scale))
                row[x] = o_.pen;
        }
    }

    // Copies, which the pixel stores cannot be taken to change.
    const Surface s_;
    const Oval o_;
    const bool hole_;
    LatticeReach<T> outer_, inner_, path_;
    bool clip_; // whether a row may reach past the bitmap's sides
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

// Upper-half rows (Y <= 0) from the highest wanted row or mirror image of one down to the
// middle, in pieces over which it stays the same whether the row, its mirror image, both or
// neither are wanted: a shape far taller than the bitmap costs no more than the rows it
// paints.
template <class T> void PaintRows(const Surface& s, const Oval& o, const RowWindow& rows) {
    EllipseRows<T> e(s, o);
    const int64_t mid = FloorDiv(o.sy - 1, 2);
    const int64_t mirrorOf = o.sy - 1;
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
        if (upper || lower)
            for (int64_t y = from; y <= to; ++y)
                e.Rows(y, upper, lower && mirrorOf - y != y);
        from = to + 1;
    }
}

// The largest lcm of semi-axes among the ellipses the row loop follows (those EllipseRows
// constructs), which decides the arithmetic it is exact in.
int64_t LargestLcm(const Oval& o) {
    const auto lcm = [](int64_t a, int64_t b) {
        const Int128 v = Int128(a / std::gcd(a, b)) * b;
        return v > kExactIn128 ? kExactIn128 + 1 : static_cast<int64_t>(v);
    };
    int64_t most = lcm(o.OuterX(), o.OuterY());
    if (o.Hole()) most = std::max(most, lcm(o.ax - o.w, o.ay - o.w));
    if (o.NeedsPath()) most = std::max(most, lcm(o.ax, o.ay));
    return most;
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
    // The chart's shapes all fit 64 bits; every circle, and every ellipse within +-2^29,
    // fits 128.
    const int64_t lcm = LargestLcm(o);
    if (lcm <= kExactIn64)
        PaintRows<int64_t>(s, o, *rows);
    else if (lcm <= kExactIn128)
        PaintRows<Int128>(s, o, *rows);
    else
        PaintRows<double>(s, o, *rows);
}

} // namespace tk::raster
