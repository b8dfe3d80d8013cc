#include "toolkit/PointerReading.h"
#include "toolkit/WheelNotches.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr tk::TSize kCanvas{807, 689};

// A point of the control names the canvas pixel shown there, at any scale; where the
// picture is not shrunk, a pixel's box maps back to that pixel.
TEST(PointerReading, PointsMapToTheirPixels) {
    const struct {
        const char* intent;
        double x, y;
        tk::TSize shown;
        tk::TPoint pixel;
    } cases[] = {
        {"designed size: one to one", 460.7, 230.2, kCanvas, {460, 230}},
        {"150 %: a pixel covers 1,5 units", 690.0, 345.0, {1210, 1033}, {460, 230}},
        {"shrunk to fit", 383.5, 200.0, {767, 655}, {403, 210}},
        {"the far edges stay on the canvas", 807.0, 689.0, kCanvas, {806, 688}},
        {"left of and above the control: the first pixel", -3, -0.5, kCanvas, {0, 0}},
        {"no number: the first pixel", std::nan(""), 1e300, kCanvas, {0, 688}},
        {"an empty control names the first pixel", 5, 5, {0, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        const tk::TPoint p = tk::CanvasPixelAt(c.x, c.y, c.shown, kCanvas);
        EXPECT_EQ(p, c.pixel) << c.intent;
        if (c.shown.Width < kCanvas.Width) continue;
        const tk::TRect box = tk::ShownBoxOf(p, c.shown, kCanvas);
        EXPECT_GE(box.Width, 1) << c.intent;
        EXPECT_EQ(tk::CanvasPixelAt(box.Left, box.Top, c.shown, kCanvas), p) << c.intent;
    }
}

// The readout goes beside the point, never over it, and stays inside the window.
TEST(PointerReading, ReadoutStaysBesideThePointAndInside) {
    const tk::TRect window{0, 0, 1016, 734};
    const tk::TSize box{150, 90};
    const struct {
        const char* intent;
        tk::TPoint at;
        tk::TPoint expected;
    } cases[] = {
        {"below right", {300, 200}, {316, 216}},
        {"left of the point at the right edge", {950, 200}, {784, 216}},
        {"above the point at the bottom", {300, 700}, {316, 594}},
        {"above left in the bottom right corner", {1010, 730}, {844, 624}},
    };
    for (const auto& c : cases) {
        const tk::TPoint p = tk::PlaceReadout(c.at, box, window);
        EXPECT_EQ(p, c.expected) << c.intent;
        const bool covers =
            c.at.X >= p.X && c.at.X < p.X + box.Width && c.at.Y >= p.Y && c.at.Y < p.Y + box.Height;
        EXPECT_FALSE(covers) << c.intent;
    }
}

} // namespace

// A wheel's turns make whole notches: 120 a notch, a touchpad's smaller turns adding up, and
// a turn the other way starting afresh rather than paying back what was left.
TEST(PointerReading, WheelTurnsMakeWholeNotches) {
    tk::TWheelNotches wheel;
    const struct {
        int delta, notches;
    } turns[] = {{120, 1}, {240, 2},  {40, 0},  {40, 0}, {40, 1},
                 {-60, 0}, {-60, -1}, {-30, 0}, {90, 0}, {30, 1}};
    for (const auto& t : turns)
        EXPECT_EQ(wheel.Add(t.delta), t.notches) << t.delta;
}
