// The platform-independent elementary functions against glibc's long double ones (64-bit
// significands, accurate far beyond double) rounded to double: equal over a deterministic
// random set per function and range, except where the long double value lies within four of
// its own ulps of a half-way point between two doubles, where its rounding decides nothing.
#include "theory/PortableMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

namespace pm = theory::portable;

// Whether v is too close to the middle of two doubles to say which one is right.
bool NearHalfWay(long double v) {
    const double d = static_cast<double>(v);
    const long double off = v - d;
    const long double half =
        (std::nextafter(d, off > 0 ? HUGE_VAL : -HUGE_VAL) - static_cast<long double>(d)) / 2;
    return std::fabs(std::fabs(off) - std::fabs(half)) <= std::fabs(half) * 0x1p-8L;
}

struct TCase {
    const char* Name;
    double (*Ours)(double, double);
    long double (*Reference)(long double, long double);
    double Low, High;
    bool TwoArguments;
};

// clang-format off
const TCase kCases[] = {
    {"sin", [](double x, double) { return pm::Sin(x); }, [](long double x, long double) { return sinl(x); }, -4, 4, false},
    {"sin", [](double x, double) { return pm::Sin(x); }, [](long double x, long double) { return sinl(x); }, -1e12, 1e12, false},
    {"cos", [](double x, double) { return pm::Cos(x); }, [](long double x, long double) { return cosl(x); }, -4, 4, false},
    {"cos", [](double x, double) { return pm::Cos(x); }, [](long double x, long double) { return cosl(x); }, -1e6, 1e6, false},
    {"tan", [](double x, double) { return pm::Tan(x); }, [](long double x, long double) { return tanl(x); }, -4, 4, false},
    {"tan", [](double x, double) { return pm::Tan(x); }, [](long double x, long double) { return tanl(x); }, -1e6, 1e6, false},
    {"atan", [](double x, double) { return pm::Atan(x); }, [](long double x, long double) { return atanl(x); }, -2, 2, false},
    {"atan", [](double x, double) { return pm::Atan(x); }, [](long double x, long double) { return atanl(x); }, -1e10, 1e10, false},
    {"atan2", [](double y, double x) { return pm::Atan2(y, x); }, [](long double y, long double x) { return atan2l(y, x); }, -3, 3, true},
    {"10^x", [](double x, double) { return pm::Pow10(x); }, [](long double x, long double) { return powl(10, x); }, -2, 2, false},
    {"10^x", [](double x, double) { return pm::Pow10(x); }, [](long double x, long double) { return powl(10, x); }, -300, 300, false},
    {"exp", [](double x, double) { return pm::Exp(x); }, [](long double x, long double) { return expl(x); }, -1, 1, false},
    {"exp", [](double x, double) { return pm::Exp(x); }, [](long double x, long double) { return expl(x); }, -700, 700, false},
    {"log", [](double x, double) { return pm::Log(x); }, [](long double x, long double) { return logl(x); }, 0.5, 2, false},
    {"log", [](double x, double) { return pm::Log(x); }, [](long double x, long double) { return logl(x); }, 1e-300, 1e300, false},
    {"log", [](double x, double) { return pm::Log(x); }, [](long double x, long double) { return logl(x); }, 1 - 0x1p-30, 1 + 0x1p-30, false},
};
// clang-format on

TEST(PortableMath, CorrectlyRoundedAgainstLongDouble) {
#ifndef __GLIBC__
    GTEST_SKIP() << "the reference is glibc's long double functions";
#endif
    constexpr int kPoints = 20000;
    for (const TCase& c : kCases) {
        std::mt19937_64 random(27);
        std::uniform_real_distribution<double> uniform(c.Low, c.High);
        int skipped = 0;
        for (int i = 0; i < kPoints; ++i) {
            const double x = uniform(random), y = c.TwoArguments ? uniform(random) : 1;
            const long double exact = c.TwoArguments ? c.Reference(x, y) : c.Reference(x, 0);
            if (NearHalfWay(exact)) {
                ++skipped;
                continue;
            }
            const double ours = c.TwoArguments ? c.Ours(x, y) : c.Ours(x, 0);
            ASSERT_EQ(ours, static_cast<double>(exact)) << c.Name << '(' << x << ", " << y << ')';
        }
        // About one point in 200 is that close; many more would mean a wrong reference.
        EXPECT_LT(skipped, kPoints / 50) << c.Name << " in [" << c.Low << ", " << c.High << ']';
    }
}

// The edges the C functions define, which line theory meets (Г = 0, the short and open
// circuits, an infinite Г), 10^k exact for whole k, and e^x and ln x at their ends.
TEST(PortableMath, EdgesAsTheCFunctions) {
    constexpr double kInf = std::numeric_limits<double>::infinity(), kPi = 3.141592653589793;
    const struct {
        double Got, Want;
    } cases[] = {
        {pm::Sin(-0.0), -0.0},
        {pm::Cos(0), 1},
        {pm::Tan(-0.0), -0.0},
        {pm::Atan(kInf), kPi / 2},
        {pm::Atan2(0, 0), 0},
        {pm::Atan2(-0.0, -1), -kPi},
        {pm::Atan2(0, -0.0), kPi},
        {pm::Atan2(-1, 0), -kPi / 2},
        {pm::Atan2(kInf, kInf), kPi / 4},
        {pm::Atan2(-kInf, -kInf), -3 * kPi / 4},
        {pm::Atan2(1, -kInf), kPi},
        {pm::Atan2(-1, kInf), -0.0},
        {pm::Pow10(0), 1},
        {pm::Pow10(15), 1e15},
        {pm::Pow10(-5), 1e-5},
        {pm::Pow10(400), kInf},
        {pm::Pow10(-400), 0},
        {pm::Exp(0), 1},
        {pm::Exp(800), kInf},
        {pm::Exp(-kInf), 0},
        {pm::Log(1), 0},
        {pm::Log(0), -kInf},
        {pm::Log(kInf), kInf},
        {pm::Log(0x1p-1074), -744.4400719213812},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Got, c.Want);
        EXPECT_EQ(std::signbit(c.Got), std::signbit(c.Want));
    }
    EXPECT_TRUE(std::isnan(pm::Sin(kInf)) && std::isnan(pm::Atan2(NAN, 1)) &&
                std::isnan(pm::Pow10(NAN)) && std::isnan(pm::Exp(NAN)) && std::isnan(pm::Log(-1)));
}

} // namespace
