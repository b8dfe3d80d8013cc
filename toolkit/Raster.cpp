#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace tk::raster {
namespace {

using std::int64_t;
using std::uint32_t;

// The exact tests multiply quantities of up to 62 bits; nothing standard holds the product.
__extension__ typedef __int128 Int128;

constexpr int64_t kDashOn = 18;
constexpr int64_t kDashPeriod = 24;

int64_t FloorDiv2(int64_t v) {
    return v >= 0 ? v / 2 : -((1 - v) / 2);
}
int64_t CeilDiv2(int64_t v) {
    return -FloorDiv2(-v);
}
int64_t Abs(int64_t v) {
    return v < 0 ? -v : v;
}

// Clamping in double first keeps the conversion defined for any value, NaN included.
int64_t ToInt(double v, int64_t lo, int64_t hi) {
    if (!(v > static_cast<double>(lo))) return lo;
    if (!(v < static_cast<double>(hi))) return hi;
    return static_cast<int64_t>(v);
}

bool DashOn(int64_t index) {
    return index % kDashPeriod < kDashOn;
}

// Paints n >= 1 pixels from p. Most runs of a thin ring are a handful of pixels of varying
// length, where a counted loop mispredicts its exit on nearly every run; overlapping stores
// of fixed size do not.
inline void Fill(uint32_t* p, int64_t n, uint32_t color) {
    if (n > 8) {
        std::fill(p, p + n, color);
    } else if (n >= 4) {
        const uint32_t four[4] = {color, color, color, color};
        std::memcpy(p, four, sizeof four);
        std::memcpy(p + n - 4, four, sizeof four);
    } else {
        p[0] = color;
        p[n / 2] = color;
        p[n - 1] = color;
    }
}

// Paints columns xa..xb of row y, which the caller has already checked to lie in the bitmap.
inline void Run(const Surface& s, int64_t y, int64_t xa, int64_t xb, uint32_t color) {
    xa = std::max<int64_t>(xa, 0);
    xb = std::min<int64_t>(xb, s.width - 1);
    if (xa <= xb) Fill(s.bits + y * s.width + xa, xb - xa + 1, color);
}

void Box(const Surface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint32_t color) {
    const int64_t top = std::max<int64_t>(y1, 0);
    const int64_t bottom = std::min<int64_t>(y2, s.height - 1);
    for (int64_t y = top; y <= bottom; ++y)
        Run(s, y, x1, x2, color);
}

// --- Ellipses ------------------------------------------------------------------------------

// Up to these doubled sizes the tests below are exact: (b - |v|)(b + |v|) - 1 stays under
// 2^50 for a circle, where a truncated double square root is the exact integer one, and
// m^2 b^2 against a^2 (b^2 - v^2) stays under 2^127 for an ellipse. Exactness is what makes
// abutting rings of a concentric family share no pixel and miss none.
constexpr int64_t kExactCircle = int64_t(1) << 25;
constexpr int64_t kExactEllipse = int64_t(1) << 30;

// The general case of Reach below: ellipses, and circles too large for one square root.
[[gnu::noinline]] int64_t ReachSearch(int64_t a, int64_t b, int64_t av) {
    const double room = static_cast<double>(b - av) * static_cast<double>(b + av);
    const double ratio = static_cast<double>(a) / static_cast<double>(b);
    const double t = room * ratio * ratio;
    int64_t m = ToInt(std::sqrt(t), 0, a);
    if (a <= kExactEllipse && b <= kExactEllipse) {
        const Int128 limit = Int128(a) * a * (Int128(b - av) * (b + av));
        const Int128 b2 = Int128(b) * b;
        const auto fits = [&](int64_t k) { return Int128(k) * k * b2 < limit; };
        while (m > 0 && !fits(m))
            --m;
        while (fits(m + 1))
            ++m;
        return m;
    }
    // Beyond that, rounding may move a boundary pixel; the shape stays monotone and bounded.
    const auto fits = [&](int64_t k) {
        const double dk = static_cast<double>(k);
        return dk * dk < t;
    };
    while (m > 0 && !fits(m))
        --m;
    while (fits(m + 1))
        ++m;
    return m;
}

// Largest m >= 0 with m^2/a^2 + v^2/b^2 < 1 (a, b > 0), or -1 when not even m = 0 qualifies.
inline int64_t Reach(int64_t a, int64_t b, int64_t v) {
    const int64_t av = Abs(v);
    if (av >= b) return -1;
    if (a == b && b <= kExactCircle)
        return static_cast<int64_t>(std::sqrt(static_cast<double>((b - av) * (b + av) - 1)));
    return ReachSearch(a, b, av);
}

// Reach for one ellipse over successive rows. Across most of a circle the answer moves by
// at most one from one row to the next, so one exact step usually saves the square root,
// whose latency would otherwise dominate the thin rings the chart is made of.
class Reacher {
  public:
    Reacher(int64_t a, int64_t b) : a_(a), b_(b), stepping_(a == b && b <= kExactCircle) {}

    int64_t operator()(int64_t v) {
        if (!stepping_) return Reach(a_, b_, v);
        const int64_t av = Abs(v);
        if (av >= b_) return last_ = -1;
        const int64_t room = (b_ - av) * (b_ + av) - 1; // m qualifies when m^2 <= room
        if (last_ >= 0) {
            const int64_t m = last_ + ((last_ + 1) * (last_ + 1) <= room) - (last_ * last_ > room);
            if (m * m <= room && (m + 1) * (m + 1) > room) return last_ = m;
        }
        return last_ = static_cast<int64_t>(std::sqrt(static_cast<double>(room)));
    }

  private:
    int64_t a_;
    int64_t b_;
    bool stepping_;
    int64_t last_ = -1;
};

// The doubled coordinate of a pixel centre has the parity of the box's doubled centre plus
// one; this steps a bound down onto that lattice.
int64_t OnLattice(int64_t m, int64_t parity) {
    return ((m - parity) & 1) != 0 ? m - 1 : m;
}

struct EllipseRows {
    const Surface& s;
    int64_t sx, sy; // doubled centre: X = 2x + 1 - sx, Y = 2y + 1 - sy
    int64_t ax, ay; // doubled semi-axes of the path (the box's width and height)
    int64_t ox, oy; // outer edge of the pen's band
    int64_t hx, hy; // inner edge; meaningful when hole
    bool hole;
    bool dashed;
    int64_t parity;
    uint32_t pen;
    std::optional<uint32_t> brush;
    Reacher outerReach{ox, oy};
    Reacher innerReach{hx, hy};
    Reacher pathReach{ax, ay};

    int64_t Column(int64_t X) const { return (X + sx - 1) / 2; }

    [[gnu::always_inline]] void Band(int64_t y, int64_t Y, int64_t xa, int64_t xb) const {
        if (xa > xb) return;
        if (!dashed) {
            Run(s, y, Column(xa), Column(xb), pen);
            return;
        }
        Dashes(y, Y, xa, xb);
    }

    [[gnu::noinline]] void Dashes(int64_t y, int64_t Y, int64_t xa, int64_t xb) const {
        // Position along the outline: the parametric angle counter-clockwise on the screen from
        // 3 o'clock, times the mean radius (exactly angle times radius for a circle).
        const double scale = static_cast<double>(ax + ay) / 4.0;
        const int64_t first = std::max<int64_t>(Column(xa), 0);
        const int64_t last = std::min<int64_t>(Column(xb), s.width - 1);
        uint32_t* row = s.bits + y * s.width;
        for (int64_t x = first; x <= last; ++x) {
            const int64_t X = 2 * x + 1 - sx;
            double angle = std::atan2(-static_cast<double>(Y) * static_cast<double>(ax),
                                      static_cast<double>(X) * static_cast<double>(ay));
            if (angle < 0) angle += 2 * std::numbers::pi;
            if (std::fmod(angle * scale, static_cast<double>(kDashPeriod)) < kDashOn) row[x] = pen;
        }
    }

    // Rows y and sy - 1 - y lie at Y and -Y and share their spans; `mirrored` paints both.
    void Rows(int64_t y, bool mirrored) {
        const int64_t Y = 2 * y + 1 - sy;
        const int64_t outer = OnLattice(outerReach(Y), parity);
        if (outer < 0) return;
        const int64_t inner = hole ? OnLattice(innerReach(Y), parity) : -1;
        // A solid band covers the inside's rim anyway, so the brush need only reach the hole;
        // dash gaps must show the brush wherever they fall inside the path.
        const int64_t fill = !brush ? -1 : dashed ? OnLattice(pathReach(Y), parity) : inner;
        Paint(y, Y, outer, inner, fill);
        if (mirrored) Paint(sy - 1 - y, -Y, outer, inner, fill);
    }

    void Paint(int64_t y, int64_t Y, int64_t outer, int64_t inner, int64_t fill) const {
        if (fill >= 0) Run(s, y, Column(-fill), Column(fill), *brush);
        if (inner < 0) {
            Band(y, Y, -outer, outer);
        } else {
            Band(y, Y, -outer, -inner - 2);
            Band(y, Y, inner + 2, outer);
        }
    }
};

// --- Lines ---------------------------------------------------------------------------------

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
    if (majorStep > 0) {
        first = std::max(first, -major0);
        last = std::min(last, majorSize - 1 - major0);
    } else {
        first = std::max(first, major0 - (majorSize - 1));
        last = std::min(last, major0);
    }
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

    const Int128 start = Int128(2) * first * dm + n;
    int64_t m = static_cast<int64_t>(start / (2 * n));
    int64_t err = static_cast<int64_t>(start % (2 * n));
    int64_t phase = first % kDashPeriod;
    for (int64_t i = first; i <= last; ++i) {
        if (!dashed || phase < kDashOn) {
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
        if (++phase == kDashPeriod) phase = 0;
    }
}

// Up to here every product of the exact test below fits in 127 bits.
constexpr int64_t kExactLimit = int64_t(1) << 29;

// The pixels whose centre lies within w/2 of the segment between two pixel centres. A centre
// exactly w/2 away counts when it lies to the left of the segment or straight above it, as if
// sampled a hair to the right and a hair's hair below: with even widths the extra row or
// column then always falls to the top or left, and abutting strokes share no pixel.
struct Capsule {
    int64_t ax, ay, bx, by;
    int64_t w;

    bool Inside(int64_t qx, int64_t qy) const {
        const Int128 dx = bx - ax;
        const Int128 dy = by - ay;
        const Int128 vx = qx - ax;
        const Int128 vy = qy - ay;
        const Int128 w2 = Int128(w) * w;
        const Int128 len2 = dx * dx + dy * dy;
        const Int128 t = vx * dx + vy * dy;
        Int128 d4; // four times the squared distance
        Int128 gx; // sign-carrying direction from the segment to the pixel
        Int128 gy;
        if (len2 == 0 || t <= 0) {
            d4 = 4 * (vx * vx + vy * vy);
            gx = vx;
            gy = vy;
        } else if (t >= len2) {
            const Int128 ux = qx - bx;
            const Int128 uy = qy - by;
            d4 = 4 * (ux * ux + uy * uy);
            gx = ux;
            gy = uy;
        } else {
            const Int128 cross = vx * dy - vy * dx;
            const Int128 lhs = 4 * cross * cross;
            const Int128 rhs = w2 * len2;
            if (lhs != rhs) return lhs < rhs;
            gx = cross * dy;
            gy = -cross * dx;
            return gx < 0 || (gx == 0 && gy < 0);
        }
        if (d4 != w2) return d4 < w2;
        return gx < 0 || (gx == 0 && gy < 0);
    }

    // The closed capsule's extent on row y, in floating point; false when it misses the row.
    bool Extent(int64_t y, double& lo, double& hi) const {
        const double r = static_cast<double>(w) / 2;
        lo = HUGE_VAL;
        hi = -HUGE_VAL;
        for (const auto& [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            const double off = static_cast<double>(y - py);
            if (std::abs(off) <= r) {
                const double h = std::sqrt(r * r - off * off);
                lo = std::min(lo, static_cast<double>(px) - h);
                hi = std::max(hi, static_cast<double>(px) + h);
            }
        }
        const double dx = static_cast<double>(bx - ax);
        const double dy = static_cast<double>(by - ay);
        const double len = std::hypot(dx, dy);
        if (len > 0) {
            // With u = x - ax: |u dy - v dx| <= r len and 0 <= u dx + v dy <= len^2.
            const double v = static_cast<double>(y - ay);
            double uLo = -HUGE_VAL;
            double uHi = HUGE_VAL;
            const auto within = [&](double slope, double offset, double from, double to) {
                if (slope == 0) {
                    if (offset < from || offset > to) uLo = HUGE_VAL;
                    return;
                }
                double a = (from - offset) / slope;
                double b = (to - offset) / slope;
                if (a > b) std::swap(a, b);
                uLo = std::max(uLo, a);
                uHi = std::min(uHi, b);
            };
            within(dy, -v * dx, -r * len, r * len);
            within(dx, v * dy, 0, len * len);
            if (uLo <= uHi) {
                lo = std::min(lo, static_cast<double>(ax) + uLo);
                hi = std::max(hi, static_cast<double>(ax) + uHi);
            }
        }
        return lo <= hi;
    }
};

void WideLine(const Surface& s, const Capsule& c, uint32_t color) {
    const int64_t reach = c.w / 2;
    const int64_t top = std::max<int64_t>(std::min(c.ay, c.by) - reach, 0);
    const int64_t bottom = std::min<int64_t>(std::max(c.ay, c.by) + reach, s.height - 1);
    const int64_t left = std::min(c.ax, c.bx) - reach;
    const int64_t right = std::max(c.ax, c.bx) + reach;
    if (top > bottom || left > s.width - 1 || right < 0) return;
    const bool exact = std::max({Abs(c.ax), Abs(c.ay), Abs(c.bx), Abs(c.by), c.w, int64_t(s.width),
                                 int64_t(s.height)}) <= kExactLimit;
    for (int64_t y = top; y <= bottom; ++y) {
        double lo = 0;
        double hi = 0;
        if (!c.Extent(y, lo, hi)) continue;
        int64_t xa = 0;
        int64_t xb = 0;
        if (exact) {
            // The floating-point extent is off by far less than a pixel; settle the ends on
            // the exact test.
            xa = ToInt(std::floor(lo), -1, s.width);
            xb = ToInt(std::ceil(hi), -1, s.width);
            while (xa <= xb && !c.Inside(xa, y))
                ++xa;
            while (xb >= xa && !c.Inside(xb, y))
                --xb;
            if (xa > xb) continue;
            while (xa > 0 && c.Inside(xa - 1, y))
                --xa;
            while (xb < s.width - 1 && c.Inside(xb + 1, y))
                ++xb;
        } else {
            xa = ToInt(std::ceil(lo), -1, s.width);
            xb = ToInt(std::floor(hi), -1, s.width);
        }
        Run(s, y, xa, xb, color);
    }
}

// --- Rectangles ----------------------------------------------------------------------------

// Pixels (x + k stepX, y + k stepY) for k in [0, count), the k-th being number index + k
// along the dash pattern.
void DashedRun(const Surface& s, int64_t x, int64_t y, int64_t stepX, int64_t stepY, int64_t count,
               int64_t index, uint32_t color) {
    int64_t first = 0;
    int64_t last = count - 1;
    const auto clip = [&](int64_t c, int64_t step, int64_t size) {
        if (step == 0) {
            if (c < 0 || c >= size) last = -1;
        } else if (step > 0) {
            first = std::max(first, -c);
            last = std::min(last, size - 1 - c);
        } else {
            first = std::max(first, c - (size - 1));
            last = std::min(last, c);
        }
    };
    clip(x, stepX, s.width);
    clip(y, stepY, s.height);
    for (int64_t k = first; k <= last; ++k)
        if (DashOn(index + k)) s.bits[(y + k * stepY) * s.width + x + k * stepX] = color;
}

} // namespace

void Ellipse(const Surface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2, const Stroke& pen,
             std::optional<uint32_t> brush) {
    if (s.width <= 0 || s.height <= 0) return;
    const int64_t w = pen.width;
    const int64_t ax = x2 - x1;
    const int64_t ay = y2 - y1;
    EllipseRows e{.s = s,
                  .sx = x1 + x2,
                  .sy = y1 + y2,
                  .ax = ax,
                  .ay = ay,
                  .ox = ax + w,
                  .oy = ay + w,
                  .hx = ax - w,
                  .hy = ay - w,
                  .hole = ax > w && ay > w,
                  .dashed = pen.dashed && w == 1,
                  .parity = (1 - (x1 + x2)) & 1,
                  .pen = pen.color,
                  .brush = brush};

    // Rows and columns with |Y| < oy, |X| < ox, met by the bitmap.
    const int64_t top = std::max<int64_t>(CeilDiv2(e.sy - e.oy), 0);
    const int64_t bottom = std::min<int64_t>(FloorDiv2(e.sy + e.oy - 2), s.height - 1);
    const int64_t left = CeilDiv2(e.sx - e.ox);
    const int64_t right = FloorDiv2(e.sx + e.ox - 2);
    if (top > bottom || left > s.width - 1 || right < 0) return;

    // Rows on which the hole spans the whole bitmap hold nothing to paint unless a brush fills
    // the hole. For an annulus enclosing the bitmap that is every row, found in O(1).
    int64_t skipFrom = bottom + 1;
    int64_t skipTo = bottom;
    if (e.hole && !brush) {
        const int64_t farX = std::max(Abs(1 - e.sx), Abs(2 * int64_t(s.width) - 1 - e.sx));
        const int64_t farY = OnLattice(Reach(e.hy, e.hx, farX), (1 - e.sy) & 1);
        if (farY >= 0) {
            skipFrom = CeilDiv2(e.sy - 1 - farY);
            skipTo = FloorDiv2(e.sy - 1 + farY);
        }
    }
    if (skipFrom <= top && skipTo >= bottom) return;
    const auto painted = [&](int64_t y) {
        return y >= top && y <= bottom && (y < skipFrom || y > skipTo);
    };
    for (int64_t y = top; y <= bottom; ++y) {
        if (y >= skipFrom && y <= skipTo) {
            y = skipTo;
            continue;
        }
        // The lower half comes along with the upper, whose mirror image it is.
        const int64_t mirror = e.sy - 1 - y;
        if (mirror < y && painted(mirror)) continue;
        e.Rows(y, mirror > y && painted(mirror));
    }
}

void Rectangle(const Surface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2, const Stroke& pen,
               std::optional<uint32_t> brush) {
    if (s.width <= 0 || s.height <= 0) return;
    // The outline runs through the centres of the box's border pixels.
    const int64_t right = x2 - 1;
    const int64_t bottom = y2 - 1;
    if (brush) Box(s, x1, y1, right, bottom, *brush);

    if (pen.dashed && pen.width == 1) {
        // Clockwise on the screen from the top-left corner, each pixel numbered once.
        const int64_t w = x2 - x1;
        const int64_t h = y2 - y1;
        if (h == 1) {
            DashedRun(s, x1, y1, 1, 0, w, 0, pen.color);
        } else if (w == 1) {
            DashedRun(s, x1, y1, 0, 1, h, 0, pen.color);
        } else {
            DashedRun(s, x1, y1, 1, 0, w, 0, pen.color);
            DashedRun(s, right, y1 + 1, 0, 1, h - 1, w, pen.color);
            DashedRun(s, right - 1, bottom, -1, 0, w - 1, w + h - 1, pen.color);
            DashedRun(s, x1, bottom - 1, 0, -1, h - 2, 2 * w + h - 2, pen.color);
        }
        return;
    }

    // Pixels up to w/2 from the path; ties go to the top and left, as for lines.
    const int64_t before = pen.width / 2;
    const int64_t after = (pen.width + 1) / 2 - 1;
    const int64_t outerLeft = x1 - before;
    const int64_t outerRight = right + after;
    const int64_t holeLeft = x1 + after + 1;
    const int64_t holeRight = right - before - 1;
    const int64_t holeTop = y1 + after + 1;
    const int64_t holeBottom = bottom - before - 1;
    const int64_t first = std::max<int64_t>(y1 - before, 0);
    const int64_t last = std::min<int64_t>(bottom + after, s.height - 1);
    for (int64_t y = first; y <= last; ++y) {
        if (y >= holeTop && y <= holeBottom && holeLeft <= holeRight) {
            Run(s, y, outerLeft, holeLeft - 1, pen.color);
            Run(s, y, holeRight + 1, outerRight, pen.color);
        } else {
            Run(s, y, outerLeft, outerRight, pen.color);
        }
    }
}

void Line(const Surface& s, int64_t x0, int64_t y0, int64_t x1, int64_t y1, const Stroke& pen) {
    if (s.width <= 0 || s.height <= 0) return;
    if (pen.width <= 1)
        ThinLine(s, x0, y0, x1, y1, pen.color, pen.dashed);
    else
        WideLine(s, Capsule{x0, y0, x1, y1, pen.width}, pen.color);
}

} // namespace tk::raster
