#include "toolkit/ReadingCross.h"

#include <gtest/gtest.h>

namespace {

using A = tk::TCrossAnswer;
using K = tk::TCrossKey;

constexpr tk::TSize kCanvas{807, 689};

// From the focus on, each key moves, takes or hides the cross as every binding must: a
// pixel or ten, kept on the canvas, Enter and Esc only while it shows, and the first arrow
// after Esc bringing it back and moving it.
TEST(ReadingCross, KeysMoveTakeAndHideIt) {
    tk::TReadingCross cross;
    cross.Read({805, 1}); // the pointer read last: the cross starts there
    cross.FocusIn({400, 350}, kCanvas);
    EXPECT_TRUE(cross.Shown());
    EXPECT_EQ(cross.At(), (tk::TPoint{805, 1}));
    const struct {
        K key;
        bool shift;
        A answer;
        bool shown;
        tk::TPoint at;
    } steps[] = {
        {K::Right, true, A::Moved, true, {806, 1}}, // kept on the canvas
        {K::Up, true, A::Moved, true, {806, 0}},
        {K::Left, false, A::Moved, true, {805, 0}},
        {K::Down, true, A::Moved, true, {805, 10}},
        {K::Enter, false, A::Picked, true, {805, 10}},
        {K::Escape, false, A::Hidden, false, {805, 10}},
        {K::Escape, false, A::Ignored, false, {805, 10}}, // handed on: nothing to put away
        {K::Enter, false, A::Ignored, false, {805, 10}},  // no cross, no pick
        {K::Left, false, A::Moved, true, {804, 10}},      // back, and moved
    };
    for (const auto& s : steps) {
        EXPECT_EQ(cross.Key(s.key, s.shift, kCanvas), s.answer) << s.at.X << " " << s.at.Y;
        EXPECT_EQ(cross.Shown(), s.shown) << s.at.X << " " << s.at.Y;
        EXPECT_EQ(cross.At(), s.at);
    }
    cross.FocusOut();
    EXPECT_FALSE(cross.Shown());
    cross.FocusIn({400, 350}, {100, 100}); // the pixel read last, kept on a smaller canvas
    EXPECT_EQ(cross.At(), (tk::TPoint{99, 10}));
}

// The look: a white halo under each of four arms, the arms clear of the pixel by the gap,
// as long as the arm, as wide as the pixel's box, all within the reach a binding repaints;
// lengths scaled in whole units.
TEST(ReadingCross, PiecesSurroundThePixel) {
    const struct {
        const char* intent;
        tk::TRect pixel;
        double scale;
        int gap, arm, halo;
    } cases[] = {
        {"designed size", {100, 50, 1, 1}, 1, 2, 5, 1},
        {"a pixel shown as a block", {200, 100, 2, 2}, 1, 2, 5, 1},
        {"150 %: whole device pixels", {150, 75, 2, 1}, 1.5, 3, 7, 1},
    };
    for (const auto& c : cases) {
        const auto pieces = tk::CrossPieces(c.pixel, c.scale);
        ASSERT_EQ(pieces.size(), 8u) << c.intent;
        const tk::TRect p = c.pixel, reach = tk::CrossReach(p, c.scale);
        const tk::TRect arms[] = {
            {p.Left - c.gap - c.arm, p.Top, c.arm, p.Height},
            {p.Left + p.Width + c.gap, p.Top, c.arm, p.Height},
            {p.Left, p.Top - c.gap - c.arm, p.Width, c.arm},
            {p.Left, p.Top + p.Height + c.gap, p.Width, c.arm},
        };
        for (int k = 0; k < 4; ++k) {
            const tk::TRect& a = arms[k];
            const tk::TRect halo{a.Left - c.halo, a.Top - c.halo, a.Width + 2 * c.halo,
                                 a.Height + 2 * c.halo};
            EXPECT_EQ(pieces[k], (tk::TCrossPiece{halo, tk::kCrossHaloColor})) << c.intent << k;
            EXPECT_EQ(pieces[k + 4], (tk::TCrossPiece{a, tk::kCrossColor})) << c.intent << k;
            EXPECT_GE(halo.Left, reach.Left) << c.intent;
            EXPECT_GE(halo.Top, reach.Top) << c.intent;
            EXPECT_LE(halo.Left + halo.Width, reach.Left + reach.Width) << c.intent;
            EXPECT_LE(halo.Top + halo.Height, reach.Top + reach.Height) << c.intent;
        }
    }
}

} // namespace
