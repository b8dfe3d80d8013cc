#include "toolkit/RasterDash.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>

using namespace tk::raster;

namespace {

// The maths library's answer: the place along the outline is the angle from 3 o'clock,
// counter-clockwise on the screen, times the mean radius.
bool LibraryDashAt(double up, double right, double scale) {
    double angle = std::atan2(up, right);
    if (angle < 0) angle += 2 * std::numbers::pi;
    return std::fmod(angle * scale, 24.0) < 18;
}

} // namespace

// 18 on, 6 off, from any starting number.
TEST(RasterDash, CounterRunsEighteenOnSixOff) {
    for (std::int64_t index : {0, 17, 18, 23, 24, 1000003}) {
        DashCounter dash(index);
        for (std::int64_t k = 0; k < 60; ++k, dash.Next())
            ASSERT_EQ(dash.On(), (index + k) % 24 < 18) << index << " + " << k;
    }
}

// The polynomial arctangent stays within 4e-8 of the library's in every octant.
TEST(RasterDash, RoughArctangentIsCloseEverywhere) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> turn(-std::numbers::pi, std::numbers::pi);
    for (int n = 0; n < 100000; ++n) {
        const double a = turn(rng), r = std::ldexp(1.0, n % 60 - 20);
        EXPECT_NEAR(RoughAtan2(r * std::sin(a), r * std::cos(a)),
                    std::atan2(r * std::sin(a), r * std::cos(a)), 4e-8);
    }
}

// The fast decision gives the library's answer for radii from a pixel to the int range, on
// random directions, right by the ends of dashes and on either side of 3 o'clock.
TEST(RasterDash, DecisionIsTheLibrarys) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> turn(0, 2 * std::numbers::pi);
    for (double scale : {0.5, 7.25, 150.0, 300.0, 6000.0, 2147483648.0}) {
        const DashPlaces dashes(scale);
        const auto check = [&](double angle) {
            const double up = std::sin(angle) * 1e3, right = std::cos(angle) * 1e3;
            ASSERT_EQ(dashes.At(up, right), LibraryDashAt(up, right, scale))
                << "scale " << scale << " angle " << angle;
        };
        for (int n = 0; n < 20000; ++n)
            check(turn(rng));
        for (int end = 0; end < 200; ++end) {
            const double angle = (24.0 * (end / 2) + (end % 2 ? 18 : 24)) / scale;
            if (angle >= 2 * std::numbers::pi) break;
            for (double hair : {-1e-9, -1e-12, 0.0, 1e-12, 1e-9})
                check(angle + hair);
        }
        for (double hair : {-1e-7, -1e-15, 0.0, 1e-15, 1e-7})
            check(hair);
    }
}
