// Integer arithmetic for scan conversion: floor divisions, the exact integer square root and
// the one that follows a circle from row to row, the reach of an ellipse across a row, and
// quotients stepped from row to row instead of divided.
//
// Shapes work in doubled coordinates: with the box's doubled centre (sx, sy), pixel (x, y)
// has its centre at X = 2x + 1 - sx, Y = 2y + 1 - sy, so every centre lies on integers and
// every comparison is exact.
#pragma once

#include <cmath>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace tk::raster {

// The exact tests multiply quantities of up to 62 bits; nothing standard holds the product.
__extension__ typedef __int128 Int128;

inline std::int64_t Abs(std::int64_t v) {
    return v < 0 ? -v : v;
}

// floor(a / b) and ceil(a / b) for b > 0.
inline std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return a % b < 0 ? q - 1 : q;
}
inline Int128 FloorDiv(Int128 a, Int128 b) {
    const Int128 q = a / b;
    return a % b < 0 ? q - 1 : q;
}
inline std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return -FloorDiv(-a, b);
}

// Clamping in double first keeps the conversion defined for any value, NaN included.
inline std::int64_t ToInt(double v, std::int64_t lo, std::int64_t hi) {
    if (!(v > static_cast<double>(lo))) return lo;
    if (!(v < static_cast<double>(hi))) return hi;
    return static_cast<std::int64_t>(v);
}

// The largest k >= 0 for which fits(k) holds, from a guess near it; fits must hold for every
// k below one that it holds for, and fail for some k above the guess.
template <class Fits> std::int64_t LargestFitting(std::int64_t guess, Fits fits) {
    std::int64_t k = guess;
    while (k > 0 && !fits(k))
        --k;
    while (fits(k + 1))
        ++k;
    return k;
}

// The largest k >= 0 with k^2 <= v, for 0 <= v < 2^62 (std::int64_t) or 2^125 (Int128). The
// square root it starts from, in double for 64 bits and in long double's wider mantissa for
// 128, is off by a step or two at most.
template <class T> std::int64_t ISqrt(T v) {
    using Guess = std::conditional_t<std::is_same_v<T, Int128>, long double, double>;
    const auto guess = static_cast<std::int64_t>(std::sqrt(static_cast<Guess>(v)));
    return LargestFitting(guess, [v](std::int64_t k) { return T(k) * k <= v; });
}

// The doubled coordinate of a pixel centre has the parity of the box's doubled centre plus
// one; this steps a bound down onto that lattice.
inline std::int64_t OnLattice(std::int64_t m, std::int64_t parity) {
    return ((m - parity) & 1) != 0 ? m - 1 : m;
}

// The largest X >= 0 on the lattice of pixel centres inside the ellipse of doubled
// semi-axes a, b on the row at Y, X^2 / a^2 + Y^2 / b^2 < 1, or -1 when there is none,
// followed over the successive rows of one shape. From one row to the next the answer moves
// by a lattice step or two over most of an ellipse, which a multiplication or two confirms;
// only the jumps near the top and bottom, or across skipped rows, start afresh from a square
// root. With g = gcd(a, b) the test is X^2 (b/g)^2 + Y^2 (a/g)^2 < (a b/g)^2, so a circle
// compares X^2 + Y^2 with a^2, and the arithmetic T (std::int64_t, Int128 or double) need
// only hold lcm(a, b)^2: exact in T = std::int64_t for lcm(a, b) <= kExactIn64, in Int128 for
// lcm(a, b) <= kExactIn128; in double a pixel on the very edge may round either way, while
// the answer stays monotone in |Y| and at most a.
constexpr std::int64_t kExactIn64 = std::int64_t(1) << 29;
constexpr std::int64_t kExactIn128 = std::int64_t(1) << 61;

template <class T> class LatticeReach {
  public:
    // a, b > 0, both below 2^34; parity is that of the doubled columns of pixel centres.
    LatticeReach(std::int64_t a, std::int64_t b, std::int64_t parity) : parity_(parity) {
        std::int64_t g = a, h = b;
        while (h != 0)
            g = std::exchange(h, g % h);
        bq_ = T(b / g);
        wy_ = T(a / g) * T(a / g);
        lim_ = T(a) * bq_ * (T(a) * bq_);
    }

    // The reach on the row at Y, given Y^2 (which the rows' several ellipses share).
    [[gnu::always_inline]] std::int64_t operator()(T Y2) {
        const T room = lim_ - Y2 * wy_;
        if (!(room > 0)) return x_ = -1;
        // X fits when (X b/g)^2 < room; xs_ is x_ b/g, and a lattice step adds 2 b/g to it.
        if (x_ >= 0) {
            const T step = bq_ + bq_;
            if (xs_ * xs_ < room) {
                const T next = xs_ + step;
                if (!(next * next < room)) return x_;
                if (const T after = next + step; !(after * after < room)) {
                    xs_ = next;
                    return x_ += 2;
                }
            } else {
                if (x_ < 2) return x_ -= 2;
                if (const T before = xs_ - step; before * before < room) {
                    xs_ = before;
                    return x_ -= 2;
                }
            }
        }
        // Afresh, from a square root within a step or two of the answer: rooms in 128 bits
        // need the extended precision of long double, those in 64 bits are as close in
        // double and far quicker.
        using Guess = std::conditional_t<std::is_same_v<T, Int128>, long double, double>;
        const Guess root = std::sqrt(static_cast<Guess>(room)) / static_cast<Guess>(bq_);
        const std::int64_t k = LargestFitting(static_cast<std::int64_t>(root), [&](std::int64_t X) {
            const T xs = T(X) * bq_;
            return xs * xs < room;
        });
        x_ = OnLattice(k, parity_);
        xs_ = T(x_) * bq_;
        return x_;
    }

  private:
    std::int64_t parity_;
    T bq_{}, wy_{}, lim_{};
    std::int64_t x_ = -1;
    T xs_{};
};

// Up to this doubled size EllipseReach is exact: its products stay under 2^124.
constexpr std::int64_t kExactEllipse = std::int64_t(1) << 30;

// The largest m >= 0 with m^2/a^2 + v^2/b^2 < 1 (a, b > 0), or -1 when not even m = 0
// qualifies. Exact while a and b are at most kExactEllipse; beyond, a boundary pixel may
// round either way, but the answer stays monotone in |v| and at most a.
std::int64_t EllipseReach(std::int64_t a, std::int64_t b, std::int64_t v);

// floor((n + i step) / d) for i = 0, 1, 2 ... (d > 0), an addition and a compare per step.
// The quotient is a Q (std::int64_t or Int128: a numerator of up to 2^66 over a divisor of
// 1 gives one that 64 bits cannot hold); the remainder, step and divisor fit 64 bits.
template <class Q = std::int64_t> class FloorSteps {
  public:
    FloorSteps(std::type_identity_t<Q> n, std::int64_t step, std::int64_t d)
        : q_(FloorDiv(n, Q(d))), r_(static_cast<std::int64_t>(n - q_ * d)), dq_(FloorDiv(step, d)),
          dr_(step - dq_ * d), d_(d) {}

    Q operator*() const { return q_; }
    void Next() {
        q_ += dq_;
        r_ += dr_;
        if (r_ >= d_) {
            r_ -= d_;
            ++q_;
        }
    }

  private:
    Q q_;
    std::int64_t r_, dq_, dr_, d_;
};

// The whole k with lo <= a k <= hi, row after row, where lo and hi both move by `step` per
// row; every k when a = 0 and lo <= 0 <= hi (Low() -kAll, High() kAll), none when a = 0
// otherwise (Low() > High()). Bounds and answers are Qs, as for FloorSteps.
template <class Q = std::int64_t> class Multiples {
  public:
    static constexpr std::int64_t kAll = std::int64_t(1) << 62;

    Multiples(std::int64_t a, std::type_identity_t<Q> lo, std::type_identity_t<Q> hi,
              std::int64_t step)
        : a_(a), lo_(lo), hi_(hi), step_(step),
          // a k >= lo is k >= -floor(-lo / a); a k <= hi is k <= floor(hi / a); for a < 0
          // the same with a, lo and hi negated and the two exchanged.
          low_(a > 0 ? -lo : hi, a > 0 ? -step : step, a != 0 ? Abs(a) : 1),
          high_(a > 0 ? hi : -lo, a > 0 ? step : -step, a != 0 ? Abs(a) : 1) {}

    Q Low() const { return a_ != 0 ? -*low_ : lo_ <= 0 && hi_ >= 0 ? -kAll : kAll; }
    Q High() const { return a_ != 0 ? *high_ : lo_ <= 0 && hi_ >= 0 ? kAll : -kAll; }
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
    std::int64_t a_;
    Q lo_, hi_;
    std::int64_t step_;
    FloorSteps<Q> low_, high_;
};

} // namespace tk::raster
