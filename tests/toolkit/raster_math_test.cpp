#include "toolkit/RasterMath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>

using namespace tk::raster;
using std::int64_t;

// Rounding toward minus infinity for either sign; the ceiling is its mirror.
TEST(RasterMath, FloorAndCeilDivision) {
    struct Case {
        int64_t a, b, floor, ceil;
    } const cases[] = {
        {7, 2, 3, 4}, {-7, 2, -4, -3}, {-8, 2, -4, -4}, {0, 5, 0, 0}, {-1, 3, -1, 0}};
    for (const Case& k : cases) {
        EXPECT_EQ(FloorDiv(k.a, k.b), k.floor) << k.a << "/" << k.b;
        EXPECT_EQ(CeilDiv(k.a, k.b), k.ceil) << k.a << "/" << k.b;
    }
}

// Exact on both sides of perfect squares, up to 2^62 in 64 bits and 2^124 in 128, where the
// double square root alone is off.
TEST(RasterMath, IntegerSquareRootIsExactAroundSquares) {
    for (int64_t k :
         {int64_t(1), int64_t(2), int64_t(46341), int64_t(94906265), (int64_t(1) << 31) - 1})
        for (int64_t d : {-1, 0, 1})
            EXPECT_EQ(ISqrt(k * k + d), d < 0 ? k - 1 : k) << k << "^2 + " << d;
    EXPECT_EQ(ISqrt(int64_t(0)), 0);
    for (int64_t k :
         {(int64_t(1) << 52) + 1, int64_t(3037000499) * 1000 + 7, (int64_t(1) << 62) - 1})
        for (int64_t d : {-1, 0, 1})
            EXPECT_EQ(ISqrt(Int128(k) * k + d), d < 0 ? k - 1 : k) << k << "^2 + " << d;
}

// Followed over rows that creep, jump, skip and leave the shape, on either lattice and in
// each arithmetic, the reach always equals the one found afresh: circles, ellipses whose
// axes share a factor or none, and a circle at the edge of the int range.
template <class T> void ExpectFollowsAsIfFresh(int64_t a, int64_t b, int64_t step) {
    std::mt19937_64 rng(5);
    for (int64_t parity : {0, 1}) {
        LatticeReach<T> reach(a, b, parity);
        int64_t Y = -b - 3;
        for (int n = 0; n < 4000; ++n) {
            Y += n % 40 == 0 ? int64_t(rng() % (b + 1)) - b / 2
                             : int64_t(rng() % (2 * step + 1)) - step / 2;
            Y = std::clamp<int64_t>(Y, -b - 3, b + 3);
            const int64_t fresh = OnLattice(EllipseReach(a, b, Y), parity);
            ASSERT_EQ(reach(T(Y) * T(Y)), fresh < 0 ? -1 : fresh)
                << a << " x " << b << " row " << Y << " parity " << parity;
        }
    }
}

TEST(RasterMath, LatticeReachFollowsRowsAsIfFresh) {
    ExpectFollowsAsIfFresh<int64_t>(601, 601, 2);
    ExpectFollowsAsIfFresh<int64_t>(24000, 24000, 2);
    ExpectFollowsAsIfFresh<int64_t>(600, 900, 2);
    ExpectFollowsAsIfFresh<int64_t>(97, 1001, 4);
    ExpectFollowsAsIfFresh<Int128>(1001, 97, 2);
    ExpectFollowsAsIfFresh<Int128>(kExactEllipse - 1, kExactEllipse - 3, 1 << 20);
    ExpectFollowsAsIfFresh<double>(600, 900, 2);
}

// The reach across a row against its definition, m^2/a^2 + v^2/b^2 < 1, for small ellipses
// and circles, and for a circle at the edge of the exact range.
TEST(RasterMath, EllipseReachIsTheLargestInside) {
    for (int64_t a = 1; a <= 30; ++a)
        for (int64_t b = 1; b <= 30; ++b)
            for (int64_t v = -b - 1; v <= b + 1; ++v) {
                int64_t want = -1;
                while ((want + 1) * (want + 1) * b * b + v * v * a * a < a * a * b * b)
                    ++want;
                ASSERT_EQ(EllipseReach(a, b, v), want) << a << " " << b << " " << v;
            }
    const int64_t r = kExactEllipse;
    for (int64_t v : {int64_t(0), int64_t(1), r / 3, r - 1, r})
        EXPECT_EQ(EllipseReach(r, r, v), v == r ? -1 : ISqrt(r * r - v * v - 1)) << v;
}

// Stepped quotients and multiples against division, for every sign of divisor and step.
TEST(RasterMath, SteppedQuotientsMatchDivision) {
    for (int64_t d : {1, 3, 7})
        for (int64_t step : {-11, -3, 0, 5, 22}) {
            FloorSteps q(-40, step, d);
            for (int64_t i = 0; i < 30; ++i, q.Next())
                ASSERT_EQ(*q, FloorDiv(-40 + i * step, d)) << d << " " << step << " " << i;
        }
    for (int64_t a : {-5, -1, 0, 2, 3})
        for (int64_t step : {-4, 0, 7}) {
            Multiples m(a, -13, 9, step);
            for (int64_t i = 0; i < 10; ++i, m.Next()) {
                const int64_t lo = -13 + i * step, hi = 9 + i * step;
                for (int64_t k = -60; k <= 60; ++k) {
                    const bool in = lo <= a * k && a * k <= hi;
                    ASSERT_EQ(in, k >= m.Low() && k <= m.High()) << a << " " << step << " " << k;
                }
            }
        }
}
