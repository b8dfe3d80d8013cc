// Lines. A width-1 line is Bresenham's, in closed form so that a clipped line starts
// mid-way with exactly the pixels the whole line has there; a wider one is the capsule of
// pixels within w/2 of the segment, worked out row by row in integers (the band's bounds
// stepped, not divided; level and upright lines in closed form). Both are exact for
// endpoints anywhere in the int range. The pixel rules are those of Canvas.h.
#include "toolkit/RasterDash.h"
#include "toolkit/RasterMath.h"
#include "toolkit/RasterSpans.h"
#include "toolkit/RasterVectorState.h"

#include <algorithm>
#include <utility>

namespace tk::raster {
namespace {

using std::int64_t;
using std::uint32_t;

// Bresenham in closed form: step i along the major axis moves the minor coordinate by
// floor(i * dm / n + 1/2), halves rounding away from the start. The closed form lets a
// clipped line start mid-way with exactly the pixels the whole line would have there.
void ThinLine(const Surface& s, int64_t x0, int64_t y0, int64_t x1, int64_t y1, uint32_t color,
              bool dashed) {
    const int64_t dx = x1 - x0;
    const int64_t dy = y1 - y0;
    const bool xMajor = Abs(dx) >= Abs(dy);
    const int64_t n = xMajor ? Abs(dx) : Abs(dy);
    if (n == 0) return;
    const int64_t dm = xMajor ? Abs(dy) : Abs(dx);
    const int64_t major0 = xMajor ? x0 : y0;
    const int64_t minor0 = xMajor ? y0 : x0;
    const int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int64_t minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const int64_t majorSize = xMajor ? s.width : s.height;
    const int64_t minorSize = xMajor ? s.height : s.width;

    // Steps whose major coordinate lies in the bitmap; the end pixel (step n) is never drawn.
    int64_t first = 0;
    int64_t last = n - 1;
    StepsWithin(major0, majorStep, majorSize, first, last);
    // Minor offsets m (>= 0, non-decreasing in i) that land in the bitmap.
    int64_t mLow = minorStep > 0 ? -minor0 : minor0 - (minorSize - 1);
    const int64_t mHigh = minorStep > 0 ? minorSize - 1 - minor0 : minor0;
    mLow = std::max<int64_t>(mLow, 0);
    if (mLow > mHigh || first > last) return;
    if (dm == 0) {
        if (mLow > 0) return;
    } else {
        // m(i) >= k  <=>  i >= ceil(n (2k - 1) / 2dm);  m(i) <= k  <=>  i < ceil(n (2k + 1) / 2dm)
        // The quotients can pass 2^63; clamped to [0, n] they keep their meaning here.
        const auto ceilDiv = [n](Int128 a, Int128 b) {
            return static_cast<int64_t>(std::min<Int128>((a + b - 1) / b, n));
        };
        if (mLow > 0) first = std::max(first, ceilDiv(Int128(n) * (2 * mLow - 1), 2 * dm));
        if (mHigh < n) last = std::min(last, ceilDiv(Int128(n) * (2 * mHigh + 1), 2 * dm) - 1);
    }
    if (first > last) return;

    // The minor offset and the error term at the first step; in 64 bits when they fit.
    int64_t m = 0;
    int64_t err = 0;
    if (n <= (int64_t(1) << 30)) {
        const int64_t start = 2 * first * dm + n;
        m = start / (2 * n);
        err = start % (2 * n);
    } else {
        const Int128 start = Int128(2) * first * dm + n;
        m = static_cast<int64_t>(start / (2 * n));
        err = static_cast<int64_t>(start % (2 * n));
    }
    DashCounter dash(first);
    for (int64_t i = first; i <= last; ++i, dash.Next()) {
        if (!dashed || dash.On()) {
            const int64_t major = major0 + majorStep * i;
            const int64_t minor = minor0 + minorStep * m;
            const int64_t x = xMajor ? major : minor;
            const int64_t y = xMajor ? minor : major;
            s.bits[y * s.width + x] = color;
        }
        err += 2 * dm;
        if (err >= 2 * n) {
            err -= 2 * n;
            ++m;
        }
    }
}

// The pixels whose centre lies within w/2 of the segment between two pixel centres. Of the
// centres exactly w/2 away, those left of the path count, and about the round ends those
// left of or straight above the end point: an even width then puts its extra row above and
// its extra column on the left (a width-2 line from (2, 2) to (5, 2) covers rows 1 and 2),
// so abutting strokes share no pixel.
struct Capsule {
    int64_t ax, ay, bx, by;
    int64_t w;
};

// Columns k, relative to the centre, of the pen's disc about an end point on the row ry
// rows below it: 4 (k^2 + ry^2) < w^2, and on the rim the pixel left of the centre or the
// one straight above it.
bool DiscRow(int64_t w, int64_t ry, int64_t& lo, int64_t& hi) {
    if (2 * Abs(ry) > w) return false;
    const int64_t room = w * w - 4 * ry * ry;
    if (room == 0) {
        lo = hi = 0;
        return ry < 0;
    }
    const int64_t m = ISqrt((room - 1) / 4); // 4 k^2 < room
    lo = 4 * (m + 1) * (m + 1) == room ? -m - 1 : -m;
    hi = m;
    return true;
}

// The capsule row by row in integers. With v the pixel centre less the start, d the
// segment, cross = v x d and t = v . d, a pixel counts when it lies in either end disc or
// in the band |cross| <= w |d| / 2 with 0 <= t <= |d|^2; a pixel within the band beyond the
// ends lies in a disc as well, and on t = 0 or t = |d|^2 the band and the disc agree, rim
// included. The three pieces of a row overlap or meet, so the row's pixels are one run from
// the leftmost to the rightmost of them. The band's bounds are whole quotients of numbers
// that move by a constant from row to row, so they are stepped rather than divided.
//
// Endpoints and width within the int range keep every quantity in its type: |d| up to 2^32,
// |d|^2 up to 2^65 and the rim w^2 |d|^2 below 2^127 in 128 bits, cross bounds near 2^62.5,
// and a row's columns, once the band and the segment's extent along it agree, within the
// segment's box widened by w.
void WideLineRows(const Surface& s, const Capsule& c, int64_t top, int64_t bottom, uint32_t color) {
    const int64_t dx = c.bx - c.ax;
    const int64_t dy = c.by - c.ay;
    const Int128 len2 = Int128(dx) * dx + Int128(dy) * dy;
    // |cross| <= k inside the band. Of its two rims, 4 cross^2 = w^2 |d|^2, only the one on
    // the left counts, or the upper one when the band is horizontal.
    const Int128 rim = Int128(c.w) * c.w * len2;
    const int64_t k = rim > 0 ? ISqrt((rim - 1) / 4) : 0;
    const bool tie = rim % 4 == 0 && Int128(k + 1) * (k + 1) == rim / 4;
    const int64_t side = dy != 0 ? (dy > 0 ? -1 : 1) : (dx > 0 ? 1 : -1); // the rim that counts
    const int64_t crossLo = tie && side < 0 ? -k - 1 : -k;
    const int64_t crossHi = tie && side > 0 ? k + 1 : k;
    // Each row's pixels: the band's, from jLo .. jHi columns right of the start, and those
    // of the discs about either end the row passes within w/2 of.
    const auto paint = [&](int64_t y, int64_t jLo, int64_t jHi) {
        int64_t lo = jLo <= jHi ? c.ax + jLo : Multiples<>::kAll;
        int64_t hi = jLo <= jHi ? c.ax + jHi : -Multiples<>::kAll;
        for (const auto& [px, py] : {std::pair{c.ax, c.ay}, std::pair{c.bx, c.by}}) {
            int64_t dLo = 0;
            int64_t dHi = 0;
            if (DiscRow(c.w, y - py, dLo, dHi)) {
                lo = std::min(lo, px + dLo);
                hi = std::max(hi, px + dHi);
            }
        }
        if (lo <= hi) Run(s, y, lo, hi, color);
    };
    if (len2 == 0) {
        for (int64_t y = top; y <= bottom; ++y)
            paint(y, 1, 0);
        return;
    }
    if (dy == 0) {
        // Level: the band covers a row from end to end or not at all.
        const int64_t jLo = std::min<int64_t>(dx, 0);
        const int64_t jHi = std::max<int64_t>(dx, 0);
        for (int64_t y = top; y <= bottom; ++y) {
            const Int128 cross = -Int128(y - c.ay) * dx;
            if (cross >= crossLo && cross <= crossHi)
                paint(y, jLo, jHi);
            else
                paint(y, 1, 0);
        }
        return;
    }
    if (dx == 0) {
        // Upright: the band's columns are the same on every row between the ends, and away
        // from the ends the discs add nothing to them.
        const int64_t jLo = dy > 0 ? -FloorDiv(-crossLo, dy) : -FloorDiv(crossHi, -dy);
        const int64_t jHi = dy > 0 ? FloorDiv(crossHi, dy) : FloorDiv(-crossLo, -dy);
        const int64_t first = std::min(c.ay, c.by);
        const int64_t last = std::max(c.ay, c.by);
        const int64_t reach = c.w / 2 + 1;
        for (int64_t y = top; y <= bottom; ++y) {
            if (y >= first + reach && y <= last - reach)
                Run(s, y, c.ax + jLo, c.ax + jHi, color);
            else if (y >= first && y <= last)
                paint(y, jLo, jHi);
            else
                paint(y, 1, 0);
        }
        return;
    }
    // With j = x - ax and v = y - ay: cross = j dy - v dx, t = j dx + v dy.
    const Int128 v0 = top - c.ay;
    Multiples<Int128> band(dy, crossLo + v0 * dx, crossHi + v0 * dx, dx);
    Multiples<Int128> along(dx, -v0 * dy, len2 - v0 * dy, -dy);
    for (int64_t y = top; y <= bottom; ++y, band.Next(), along.Next()) {
        const Int128 lo = std::max(band.Low(), along.Low());
        const Int128 hi = std::min(band.High(), along.High());
        if (lo <= hi)
            paint(y, static_cast<int64_t>(lo), static_cast<int64_t>(hi));
        else
            paint(y, 1, 0);
    }
}

void WideLine(const Surface& s, const Capsule& c, uint32_t color) {
    const int64_t reach = c.w / 2;
    const PixelRect r = PixelRect{std::min(c.ax, c.bx) - reach, std::min(c.ay, c.by) - reach,
                                  std::max(c.ax, c.bx) + reach, std::max(c.ay, c.by) + reach}
                            .Intersected(Bounds(s));
    if (r.Empty()) return;
    WideLineRows(s, c, r.top, r.bottom, color);
}

} // namespace

void Line(const Surface& s, int64_t x0, int64_t y0, int64_t x1, int64_t y1, const Stroke& pen) {
    if (s.width <= 0 || s.height <= 0) return;
    CleanVectorState();
    if (pen.width <= 1)
        ThinLine(s, x0, y0, x1, y1, pen.color, pen.dashed);
    else
        WideLine(s, Capsule{x0, y0, x1, y1, pen.width}, pen.color);
}

} // namespace tk::raster
