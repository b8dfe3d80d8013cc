// The vector length with the same bits everywhere: glibc's for the vectors below (where
// Windows' C runtime gives another last bit), and std::hypot and std::abs of a complex
// number are it on every platform (on Windows through HypotForWindows.cpp).
#include "toolkit/Hypot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>

namespace {

TEST(Hypot, GlibcsBits) {
    const struct {
        double x, y, want;
    } cases[] = {
        // msvcrt.dll (Wine's) rounds these three the other way.
        {0x1.2feca39f4404p+3, -0x1.97d2fe8e8efb2p+2, 0x1.6dfdf5d0c1ec4p+3},
        {-0x1.a5315b9c6f61ep-15, 0x1.b773a41b2336p-5, 0x1.b773b0b8ad556p-5},
        {0x1.42af5f4da22a8p+3, 0x1.042854b5c72cep-15, 0x1.42af5f4da8b88p+3},
        {0.2, 0.4, 0x1.c9f25c5bfeddap-2},
        {3, 4, 5},
        // Squares beyond the doubles' range, both ways; a side too small to count.
        {1e300, 1e300, 0x1.0e4d50f99b211p+997},
        {1e-310, 3e-310, 0x0.03a365ff2ea11p-1022},
        {1e300, 1e-300, 1e300},
        {0, -0.0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::Hypot(c.x, c.y), c.want) << std::hexfloat << c.x << ", " << c.y;
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(tk::Hypot(nan, -inf), inf);
    EXPECT_TRUE(std::isnan(tk::Hypot(nan, 1)));
}

TEST(Hypot, IsTheRuntimesHypotAndComplexAbs) {
    std::uint64_t state = 88172645463325252u;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return double(state >> 11) * 0x1p-53 - 0.5;
    };
    for (int i = 0; i < 100000; ++i) {
        const double x = next() * std::ldexp(1.0, i % 64 - 32), y = next() * 20;
        ASSERT_EQ(std::hypot(x, y), tk::Hypot(x, y)) << std::hexfloat << x << ", " << y;
        ASSERT_EQ(std::abs(std::complex<double>(x, y)), tk::Hypot(x, y));
    }
}

} // namespace
