#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <numbers>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

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

// Code run before a shape (Qt's raster engine among it) may leave the upper halves of the
// AVX registers in use, and until they are cleared every SSE operation here pays for it on
// some processors: a dashed ring took 2.9 us, and 10 us after a QPainter had drawn one
// ellipse. Clearing costs a cycle.
#if defined(__x86_64__) || defined(__i386__)
[[gnu::target("avx")]] void ZeroUpper() {
    _mm256_zeroupper();
}
void CleanVectorState() {
    static const bool avx = (__builtin_cpu_init(), __builtin_cpu_supports("avx"));
    if (avx) ZeroUpper();
}
#else
void CleanVectorState() {}
#endif

bool DashOn(int64_t index) {
    return index % kDashPeriod < kDashOn;
}

// Paints n >= 1 pixels from p. Most runs of a thin ring are one or two pixels, the rest a
// handful of varying length, where a counted loop mispredicts its exit on nearly every run;
// overlapping stores of fixed size do not.
[[gnu::always_inline]] inline void Fill(uint32_t* p, int64_t n, uint32_t color) {
    if (n <= 2) {
        p[0] = color;
        p[n - 1] = color;
    } else if (n > 8) {
        std::fill(p, p + n, color);
    } else if (n >= 4) {
        const uint32_t four[4] = {color, color, color, color};
        std::memcpy(p, four, sizeof four);
        std::memcpy(p + n - 4, four, sizeof four);
    } else {
        p[0] = color;
        p[1] = color;
        p[2] = color;
    }
}

// Fill on two runs of the same length, either of which may be missing (nullptr): the
// halves of a ring's row, or a row and its mirror image, share one choice of stores.
[[gnu::always_inline]] inline void Fill2(uint32_t* p, uint32_t* q, int64_t n, uint32_t color) {
    if (n <= 2) {
        if (p) p[0] = p[n - 1] = color;
        if (q) q[0] = q[n - 1] = color;
    } else {
        if (p) Fill(p, n, color);
        if (q) Fill(q, n, color);
    }
}

// Paints columns xa..xb of row y, which the caller has already checked to lie in the bitmap.
[[gnu::always_inline]] inline void Run(const Surface& s, int64_t y, int64_t xa, int64_t xb,
                                       uint32_t color) {
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
// at most one from one row to the next, so one exact step usually saves the square root.
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

// For one circle over successive rows: the largest X >= 0 on the lattice of pixel centres
// with X^2 <= room, or -1 when there is none. From one row to the next the answer moves by
// a lattice step or two over most of a circle, which a multiplication or two confirms; only
// the jumps near the top and bottom, or across skipped rows, take a square root. Rooms stay
// under 2^50, where the truncated double square root is the exact integer one.
class LatticeReach {
  public:
    explicit LatticeReach(int64_t parity) : parity_(parity) {}

    int64_t operator()(int64_t room) {
        if (room < 0) return x_ = -1;
        int64_t x = x_;
        if (x >= 0) {
            if (x * x <= room) {
                if ((x + 2) * (x + 2) > room) return x;
                x += 2;
                if ((x + 2) * (x + 2) > room) return x_ = x;
            } else {
                x -= 2;
                if (x < 0 || x * x <= room) return x_ = x;
            }
        }
        return x_ = OnLattice(static_cast<int64_t>(std::sqrt(static_cast<double>(room))), parity_);
    }

  private:
    int64_t parity_;
    int64_t x_ = -1;
};

// A circle with a solid pen, the chart's every shape: the pen's band is the ring
// I^2 <= X^2 + Y^2 < O^2 about the doubled centre and the brush fills the hole inside it.
// Rows Y and -Y share their spans, and so do the two halves of a row about the centre.
struct SolidCircle {
    const Surface& s;
    int64_t sx, sy; // doubled centre
    int64_t outer2; // O^2 - 1
    int64_t inner2; // I^2 - 1; below zero without a hole
    uint32_t pen;
    std::optional<uint32_t> brush;
    LatticeReach outer;
    LatticeReach inner;

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

// Whether a dashed outline paints the point at parametric direction (right, up), on the
// outline of mean radius `scale`: its place along the outline is the angle counter-clockwise
// on the screen from 3 o'clock times the mean radius (exactly angle times radius for a
// circle), and the dashes start there.
bool LibraryDashAt(double up, double right, double scale) {
    double angle = std::atan2(up, right);
    if (angle < 0) angle += 2 * std::numbers::pi;
    return std::fmod(angle * scale, static_cast<double>(kDashPeriod)) < kDashOn;
}

// atan2 from a polynomial for the arctangent on [0, 1] (the form of Abramowitz and Stegun
// 4.4.49), taken to the other octants by symmetry; against the library it never differed by
// 4e-8 on 2e8 directions of every octant and magnitude.
double RoughAtan2(double y, double x) {
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    const bool steep = ay > ax;
    const double z = steep ? ax / ay : ay / ax; // 0/0 gives NaN, which fails every test below
    // Estrin's scheme rather than Horner's: the same terms in half the chain of dependent
    // operations, which is what the dashes wait for.
    const double t = z * z;
    const double t2 = t * t;
    const double t4 = t2 * t2;
    double a =
        z * ((0.9999993329 - 0.3332985605 * t) + t2 * (0.1994653599 - 0.1390853351 * t) +
             t4 * ((0.0964200441 - 0.0559098861 * t) + t2 * (0.0218612288 - 0.0040540580 * t)));
    if (steep) a = std::numbers::pi / 2 - a;
    if (x < 0) a = std::numbers::pi - a;
    return std::signbit(y) ? -a : a;
}

// LibraryDashAt's answer, which the pixels of every dashed outline were drawn with, at a
// fraction of its cost: a rough angle, within 4e-8 of the library's, settles it wherever
// the place lies clearly inside a dash or a gap, and the library decides within a hair of a
// dash's ends or of 3 o'clock, where the angle wraps. The slack allows fifty times the rough
// angle's error, and the rounding of places below 2 pi times the mean radius.
constexpr double kAngleSlack = 2e-6;

class DashPlaces {
  public:
    explicit DashPlaces(double scale)
        : scale_(scale), slack_(kAngleSlack * scale + 1e-11 * scale + 1e-12) {}

    double Scale() const { return scale_; }

    // 1 on a dash, 0 in a gap, -1 when the rough place is too close to call. Places stay
    // below 2^36 (2 pi times a mean radius under 2^32).
    int Settle(double place) const {
        const double phase =
            place -
            kDashPeriod * static_cast<double>(static_cast<int64_t>(place * (1.0 / kDashPeriod)));
        if (phase > slack_ && phase < kDashPeriod - slack_ && std::fabs(phase - kDashOn) > slack_)
            return phase < kDashOn;
        return -1;
    }

    bool At(double up, double right) const {
        double angle = RoughAtan2(up, right);
        if (angle < 0) angle += 2 * std::numbers::pi;
        if (angle > kAngleSlack && angle < 2 * std::numbers::pi - kAngleSlack)
            if (const int on = Settle(angle * scale_); on >= 0) return on;
        return LibraryDashAt(up, right, scale_);
    }

  private:
    double scale_;
    double slack_;
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
    LatticeReach outer;
    LatticeReach inner;
    LatticeReach path;

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
            // The directions of the library's test, as LibraryDashAt takes them.
            const double up = -static_cast<double>(Y) * dd; // >= 0 on the upper row
            const double down = -static_cast<double>(-Y) * dd;
            const auto visible = [&](int64_t x) { return !Clip || (x >= 0 && x < s.width); };
            const auto dash = [&](uint32_t* row, int64_t x, double u, double r) {
                if (visible(x) && dashes.At(u, r)) row[x] = pen;
            };
            const auto placed = [&](uint32_t* row, int64_t x, double place, double u, double r) {
                if (!visible(x)) return;
                const int on = dashes.Settle(place);
                if (on > 0 || (on < 0 && LibraryDashAt(u, r, dashes.Scale()))) row[x] = pen;
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
        const DashPlaces dashes(static_cast<double>(ax + ay) / 4.0);
        const int64_t first = std::max<int64_t>(Column(xa), 0);
        const int64_t last = std::min<int64_t>(Column(xb), s.width - 1);
        uint32_t* row = s.bits + y * s.width;
        const double up = -static_cast<double>(Y) * static_cast<double>(ax);
        for (int64_t x = first; x <= last; ++x) {
            const int64_t X = 2 * x + 1 - sx;
            if (dashes.At(up, static_cast<double>(X) * static_cast<double>(ay))) row[x] = pen;
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

// Up to here a wide line's spans are worked out exactly: every quantity of ExactWideLine
// stays under 2^63, and its rim test under 2^127.
constexpr int64_t kExactLimit = int64_t(1) << 29;

// The pixels whose centre lies within w/2 of the segment between two pixel centres. A centre
// exactly w/2 away counts when it lies to the left of the segment or straight above it, as if
// sampled a hair to the right and a hair's hair below: with even widths the extra row or
// column then always falls to the top or left, and abutting strokes share no pixel.
struct Capsule {
    int64_t ax, ay, bx, by;
    int64_t w;

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

int64_t FloorDiv(int64_t a, int64_t b) { // b > 0
    const int64_t q = a / b;
    return a % b < 0 ? q - 1 : q;
}

// The largest k >= 0 with k^2 <= v, for 0 <= v < 2^62.
int64_t ISqrt(int64_t v) {
    int64_t k = static_cast<int64_t>(std::sqrt(static_cast<double>(v)));
    while (k > 0 && k * k > v)
        --k;
    while ((k + 1) * (k + 1) <= v)
        ++k;
    return k;
}

// floor((n + i step) / d) for i = 0, 1, 2 ... (d > 0), an addition and a compare per step.
class FloorSteps {
  public:
    FloorSteps(int64_t n, int64_t step, int64_t d)
        : q_(FloorDiv(n, d)), r_(n - q_ * d), dq_(FloorDiv(step, d)), dr_(step - dq_ * d), d_(d) {}

    int64_t operator*() const { return q_; }
    void Next() {
        q_ += dq_;
        r_ += dr_;
        if (r_ >= d_) {
            r_ -= d_;
            ++q_;
        }
    }

  private:
    int64_t q_, r_, dq_, dr_, d_;
};

// The whole k with lo <= a k <= hi, row after row, where lo and hi both move by `step` per
// row; every k when a = 0 and lo <= 0 <= hi, none when a = 0 otherwise.
class Multiples {
  public:
    static constexpr int64_t kAll = int64_t(1) << 62;

    Multiples(int64_t a, int64_t lo, int64_t hi, int64_t step)
        : a_(a), lo_(lo), hi_(hi), step_(step),
          // a k >= lo is k >= -floor(-lo / a); a k <= hi is k <= floor(hi / a); for a < 0
          // the same with a, lo and hi negated and the two exchanged.
          low_(a > 0 ? -lo : hi, a > 0 ? -step : step,
               a > 0   ? a
               : a < 0 ? -a
                       : 1),
          high_(a > 0 ? hi : -lo, a > 0 ? step : -step,
                a > 0   ? a
                : a < 0 ? -a
                        : 1) {}

    int64_t Low() const { return a_ != 0 ? -*low_ : lo_ <= 0 && hi_ >= 0 ? -kAll : kAll; }
    int64_t High() const { return a_ != 0 ? *high_ : lo_ <= 0 && hi_ >= 0 ? kAll : -kAll; }
    void Next() {
        if (a_ != 0) {
            low_.Next();
            high_.Next();
        } else {
            lo_ += step_;
            hi_ += step_;
        }
    }

  private:
    int64_t a_, lo_, hi_, step_;
    FloorSteps low_, high_;
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
void ExactWideLine(const Surface& s, const Capsule& c, int64_t top, int64_t bottom,
                   uint32_t color) {
    const int64_t dx = c.bx - c.ax;
    const int64_t dy = c.by - c.ay;
    const int64_t len2 = dx * dx + dy * dy;
    // |cross| <= k inside the band. Of its two rims, 4 cross^2 = w^2 |d|^2, only the one on
    // the left counts, or the upper one when the band is horizontal.
    int64_t k = 0;
    bool tie = false;
    if (int64_t rim = 0; !__builtin_mul_overflow(c.w * c.w, len2, &rim)) {
        k = rim > 0 ? ISqrt((rim - 1) / 4) : 0;
        tie = 4 * (k + 1) * (k + 1) == rim;
    } else {
        const Int128 wide = Int128(c.w) * c.w * len2;
        k = ToInt(std::sqrt(static_cast<double>(wide) / 4), 0, Multiples::kAll);
        while (k > 0 && 4 * Int128(k) * k >= wide)
            --k;
        while (4 * Int128(k + 1) * (k + 1) < wide)
            ++k;
        tie = 4 * Int128(k + 1) * (k + 1) == wide;
    }
    const int64_t side = dy != 0 ? (dy > 0 ? -1 : 1) : (dx > 0 ? 1 : -1); // the rim that counts
    const int64_t crossLo = tie && side < 0 ? -k - 1 : -k;
    const int64_t crossHi = tie && side > 0 ? k + 1 : k;
    // Each row's pixels: the band's, from jLo .. jHi columns right of the start, and those
    // of the discs about either end the row passes within w/2 of.
    const auto paint = [&](int64_t y, int64_t jLo, int64_t jHi) {
        int64_t lo = jLo <= jHi ? c.ax + jLo : Multiples::kAll;
        int64_t hi = jLo <= jHi ? c.ax + jHi : -Multiples::kAll;
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
            const int64_t cross = -(y - c.ay) * dx;
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
    const int64_t v0 = top - c.ay;
    Multiples band(dy, crossLo + v0 * dx, crossHi + v0 * dx, dx);
    Multiples along(dx, -v0 * dy, len2 - v0 * dy, -dy);
    for (int64_t y = top; y <= bottom; ++y, band.Next(), along.Next())
        paint(y, std::max(band.Low(), along.Low()), std::min(band.High(), along.High()));
}

void WideLine(const Surface& s, const Capsule& c, uint32_t color) {
    const int64_t reach = c.w / 2;
    const int64_t top = std::max<int64_t>(std::min(c.ay, c.by) - reach, 0);
    const int64_t bottom = std::min<int64_t>(std::max(c.ay, c.by) + reach, s.height - 1);
    const int64_t left = std::min(c.ax, c.bx) - reach;
    const int64_t right = std::max(c.ax, c.bx) + reach;
    if (top > bottom || left > s.width - 1 || right < 0) return;
    const bool exact = std::max({Abs(c.ax), Abs(c.ay), Abs(c.bx), Abs(c.by), c.w, int64_t(s.width),
                                 int64_t(s.height)}) <= kExactLimit;
    if (exact) return ExactWideLine(s, c, top, bottom, color);
    // Beyond that, the floating-point extent of each row; a pixel on the very edge may
    // round either way.
    for (int64_t y = top; y <= bottom; ++y) {
        double lo = 0;
        double hi = 0;
        if (!c.Extent(y, lo, hi)) continue;
        Run(s, y, ToInt(std::ceil(lo), -1, s.width), ToInt(std::floor(hi), -1, s.width), color);
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
    CleanVectorState();
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

    if (ax == ay && e.ox <= kExactCircle) {
        // Upper-half rows (Y <= 0) from the highest wanted row or mirror image of one down
        // to the middle, in pieces over which it stays the same whether the row, its mirror
        // image, both or neither are wanted: a shape far taller than the bitmap costs no
        // more than the rows it paints.
        const int64_t mid = FloorDiv2(e.sy - 1);
        const int64_t mirrorOf = e.sy - 1;
        int64_t cuts[] = {top,
                          bottom + 1,
                          skipFrom,
                          skipTo + 1,
                          mirrorOf - bottom,
                          mirrorOf - top + 1,
                          mirrorOf - skipTo,
                          mirrorOf - skipFrom + 1,
                          mid + 1};
        for (std::size_t i = 1; i < std::size(cuts); ++i)
            for (std::size_t j = i; j > 0 && cuts[j] < cuts[j - 1]; --j)
                std::swap(cuts[j], cuts[j - 1]);
        const int64_t outerMost = (e.ox - 1 + e.sx - 1) >> 1; // no column lies further right
        const bool clip = e.sx - 1 - outerMost < 0 || outerMost > s.width - 1;
        const auto rows = [&](auto&& circle) {
            int64_t from = std::min(top, mirrorOf - bottom);
            for (const int64_t cut : cuts) {
                if (cut <= from) continue;
                const int64_t to = std::min(cut, mid + 1) - 1;
                if (from > to) break;
                const bool upper = painted(from);
                const bool lower = painted(mirrorOf - from);
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
        };
        const int64_t lattice = (1 - e.sx) & 1;
        if (e.dashed)
            rows(DashedCircle{.s = s,
                              .sx = e.sx,
                              .sy = e.sy,
                              .d = ax,
                              .outer2 = e.ox * e.ox - 1,
                              .inner2 = e.hole ? e.hx * e.hx - 1 : -1,
                              .path2 = ax * ax - 1,
                              .pen = pen.color,
                              .brush = brush,
                              .outer = LatticeReach(lattice),
                              .inner = LatticeReach(lattice),
                              .path = LatticeReach(lattice)});
        else
            rows(SolidCircle{.s = s,
                             .sx = e.sx,
                             .sy = e.sy,
                             .outer2 = e.ox * e.ox - 1,
                             .inner2 = e.hole ? e.hx * e.hx - 1 : -1,
                             .pen = pen.color,
                             .brush = brush,
                             .outer = LatticeReach(lattice),
                             .inner = LatticeReach(lattice)});
        return;
    }
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
    CleanVectorState();
    if (pen.width <= 1)
        ThinLine(s, x0, y0, x1, y1, pen.color, pen.dashed);
    else
        WideLine(s, Capsule{x0, y0, x1, y1, pen.width}, pen.color);
}

} // namespace tk::raster
