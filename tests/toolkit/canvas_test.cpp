#include "toolkit/Canvas.h"

#include "tests/common/ReferenceCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using namespace tk;

namespace {

constexpr TColor kPaper = clWhite;
constexpr TColor kInk = clRed;
constexpr TColor kFill = clLime;

struct Box {
    int x1, y1, x2, y2;
};

TCanvas Make(int width, int height, int pen, bool brush = false,
             TPenStyle style = TPenStyle::psSolid) {
    TCanvas c(width, height);
    c.Pen = TPen{kInk, pen, style};
    c.Brush = TBrush{brush ? TBrushStyle::bsSolid : TBrushStyle::bsClear, kFill};
    return c;
}

void Line(TCanvas& c, Box l) {
    c.MoveTo(l.x1, l.y1);
    c.LineTo(l.x2, l.y2);
}

// The ellipse rule of Canvas.h pixel by pixel: the oracle for the row spans.
TColor ReferenceEllipse(int x, int y, Box b, int w, bool brush) {
    switch (reference::Ellipse(x, y, {b.x1, b.y1, b.x2, b.y2}, w, brush)) {
    case reference::TInk::Pen:
        return kInk;
    case reference::TInk::Brush:
        return kFill;
    case reference::TInk::Untouched:
        break;
    }
    return kPaper;
}

// Squared distance from the centre of pixel (x, y) to the segment between two pixel centres.
double SegmentDistance2(Box l, int x, int y) {
    const double dx = l.x2 - l.x1, dy = l.y2 - l.y1, len2 = dx * dx + dy * dy;
    const double dot = (x - l.x1) * dx + (y - l.y1) * dy;
    const double t = len2 == 0 ? 0 : std::clamp(dot / len2, 0.0, 1.0);
    const double ex = x - (l.x1 + t * dx), ey = y - (l.y1 + t * dy);
    return ex * ex + ey * ey;
}

testing::AssertionResult Matches(const TCanvas& c, const std::function<TColor(int, int)>& want) {
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Pixel(x, y) != want(x, y))
                return testing::AssertionFailure()
                       << "at (" << x << ", " << y << ") " << std::hex << c.Pixel(x, y);
    return testing::AssertionSuccess();
}

// '.' paper, '#' pen, 'o' brush.
std::vector<std::string> Picture(const TCanvas& c) {
    std::vector<std::string> rows(c.Height(), std::string(c.Width(), '.'));
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Pixel(x, y) != kPaper) rows[y][x] = c.Pixel(x, y) == kInk ? '#' : 'o';
    return rows;
}

} // namespace

// Row spans against the oracle: slivers, odd and even sizes, ellipses, clipping, pen 1..6.
TEST(CanvasEllipse, FollowsThePerPixelRule) {
    std::mt19937 rng(20240611);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
    std::vector<Box> boxes = {{1, 1, 2, 2}, {3, 2, 4, 11}, {2, 2, 4, 4}, {2, 3, 13, 14}};
    for (int n = 0; n < 300; ++n) {
        const int x = pick(-20, 60), y = pick(-20, 50), dx = pick(1, 70);
        boxes.push_back({x, y, x + dx, y + (n % 2 == 0 ? dx : pick(1, 70))});
    }
    for (const Box& b : boxes) {
        const int w = pick(1, 6);
        const bool brush = pick(0, 1) == 1;
        TCanvas c = Make(40, 30, w, brush);
        c.Ellipse(b.x1, b.y1, b.x2, b.y2);
        EXPECT_TRUE(Matches(c, [&](int x, int y) { return ReferenceEllipse(x, y, b, w, brush); }))
            << "box " << b.x1 << "," << b.y1 << "," << b.x2 << "," << b.y2 << " pen " << w;
    }
}

// A width-3 ring on radius R holds exactly the pixels with R - 1.5 <= d < R + 1.5.
TEST(CanvasEllipse, WidthThreeRingIsTheDistanceBand) {
    for (const Box& b :
         {Box{19, 19, 21, 21}, Box{17, 18, 27, 28}, Box{10, 10, 25, 25}, Box{-20, -15, 60, 65}}) {
        TCanvas c = Make(45, 40, 3);
        c.Ellipse(b.x1, b.y1, b.x2, b.y2);
        const double cx = (b.x1 + b.x2) / 2.0, cy = (b.y1 + b.y2) / 2.0, r = (b.x2 - b.x1) / 2.0;
        const auto band = [&](int x, int y) {
            const double d2 = (x + 0.5 - cx) * (x + 0.5 - cx) + (y + 0.5 - cy) * (y + 0.5 - cy);
            const bool out = r >= 1.5 && d2 < (r - 1.5) * (r - 1.5);
            return !out && d2 < (r + 1.5) * (r + 1.5) ? kInk : kPaper;
        };
        EXPECT_TRUE(Matches(c, band)) << "radius " << r;
    }
}

// The chart's white surround: 498 rings about (400, 350) paint all beyond the rim and nothing
// inside it, with the chart's width-3 pen (from 301.5 out) and a thin one (from 302.5 out).
TEST(CanvasEllipse, ConcentricSurroundPaintsEverythingBeyondTheRim) {
    struct Case {
        int width, twiceInner;
    };
    for (const Case& k : {Case{3, 603}, Case{1, 605}}) {
        TCanvas c = Make(807, 689, k.width);
        c.Pen.Color = clWhite;
        std::fill(c.Bits(), c.Bits() + 807 * 689, clBlack);
        for (int i = 303; i <= 800; ++i)
            c.Ellipse(400 + i, 350 + i, 400 - i, 350 - i);
        const auto surround = [&](int x, int y) {
            const int X = 2 * x + 1 - 800, Y = 2 * y + 1 - 700;
            return X * X + Y * Y >= k.twiceInner * k.twiceInner ? clWhite : clBlack;
        };
        EXPECT_TRUE(Matches(c, surround)) << "width " << k.width;
    }
}

// The chart's radius-6000 arcs (one with swapped corners) against the oracle, and boxes
// reaching across the int range, which leave only their visible rows.
TEST(CanvasEllipse, HugeBoxesClipToTheirVisiblePixels) {
    for (const Box& b : {Box{6700, 12350, -5300, 350}, Box{-5300, -11650, 6700, 350}})
        for (int w : {1, 3}) {
            TCanvas c = Make(807, 689, w);
            c.Ellipse(b.x1, b.y1, b.x2, b.y2);
            EXPECT_TRUE(Matches(c, [&](int x, int y) { return ReferenceEllipse(x, y, b, w, 0); }))
                << "arc " << b.x1 << " pen " << w;
        }
    constexpr int kR = (1 << 30) - 1;
    struct Case {
        Box box;
        int row; // the one painted row, -1 for none
    } const cases[] = {{{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, -1},
                       {{INT_MAX, 5, INT_MIN, 6}, 5},
                       {{50 - kR, 0, 50 + kR, 2 * kR}, 0}};
    for (const Case& k : cases) {
        TCanvas c = Make(100, 10, 1);
        c.Ellipse(k.box.x1, k.box.y1, k.box.x2, k.box.y2);
        EXPECT_TRUE(Matches(c, [&](int, int y) { return y == k.row ? kInk : kPaper; }))
            << "box " << k.box.x1 << "," << k.box.y1;
    }
}

// The chart's point marker: radius 4, pen width 2, lime brush.
TEST(CanvasEllipse, PointMarkerIsAFilledDotInARing) {
    TCanvas c = Make(12, 12, 2, true);
    c.Ellipse(2, 2, 10, 10);
    EXPECT_EQ(Picture(c), (std::vector<std::string>{
                              "............", "....####....", "..########..", "..##oooo##..",
                              ".##oooooo##.", ".##oooooo##.", ".##oooooo##.", ".##oooooo##.",
                              "..##oooo##..", "..########..", "....####....", "............"}));
}

// Corner order never matters, for either shape, any pen, with a brush.
TEST(CanvasShapes, SwappedCornersDrawTheSamePixels) {
    for (bool ellipse : {true, false})
        for (const Box& b : {Box{3, 4, 17, 15}, Box{5, 5, 12, 12}, Box{-4, 2, 9, 25}})
            for (int w : {1, 2, 3}) {
                std::vector<std::vector<std::string>> seen;
                for (const Box& o : {b, Box{b.x2, b.y1, b.x1, b.y2}, Box{b.x1, b.y2, b.x2, b.y1},
                                     Box{b.x2, b.y2, b.x1, b.y1}}) {
                    TCanvas c = Make(22, 22, w, true);
                    ellipse ? c.Ellipse(o.x1, o.y1, o.x2, o.y2)
                            : c.Rectangle(o.x1, o.y1, o.x2, o.y2);
                    seen.push_back(Picture(c));
                }
                for (const auto& picture : seen)
                    EXPECT_EQ(picture, seen[0]) << "ellipse " << ellipse << " pen " << w;
            }
}

// A thin outline, filled or not, paints within x1..x2-1 by y1..y2-1 and reaches all four
// sides; an ellipse of no width or height draws nothing, even with a wide pen.
TEST(CanvasShapes, PaintedExtentStopsBeforeRightAndBottomEdges) {
    for (bool ellipse : {true, false})
        for (const Box& b : {Box{3, 4, 10, 9}, Box{2, 2, 3, 3}, Box{5, 1, 6, 12}, Box{0, 0, 17, 11},
                             Box{5, 5, 5, 12}, Box{3, 7, 11, 7}, Box{INT_MIN, 3, INT_MIN, 9}})
            for (bool brush : {false, true}) {
                const bool empty = b.x1 == b.x2 || b.y1 == b.y2;
                if (empty && !ellipse) continue; // a flat rectangle is a line, tested below
                TCanvas c = Make(20, 20, empty ? 5 : 1, brush);
                ellipse ? c.Ellipse(b.x1, b.y1, b.x2, b.y2) : c.Rectangle(b.x1, b.y1, b.x2, b.y2);
                int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
                for (int y = 0; y < 20; ++y)
                    for (int x = 0; x < 20; ++x)
                        if (c.Pixel(x, y) != kPaper) {
                            left = std::min(left, x), right = std::max(right, x);
                            top = std::min(top, y), bottom = std::max(bottom, y);
                        }
                EXPECT_EQ(std::tuple(left, top, right, bottom),
                          empty ? std::tuple(INT_MAX, INT_MAX, -1, -1)
                                : std::tuple(b.x1, b.y1, b.x2 - 1, b.y2 - 1))
                    << "ellipse " << ellipse << " box " << b.x1 << "," << b.y1;
            }
}

// A flat rectangle is its outline squashed flat, whatever the brush: with a thin pen, solid
// or dashed, the pixels of the LineTo along it from its left (top) end; with a wide pen, the
// one-pixel box's square-cornered outline; nothing when it is a point or off the bitmap.
TEST(CanvasRectangle, FlatBoxIsALine) {
    for (TPenStyle style : {TPenStyle::psSolid, TPenStyle::psDash})
        for (const Box& b :
             {Box{3, 7, 11, 7}, Box{11, 7, 3, 7}, Box{5, 2, 5, 39}, Box{-9, 3, 50, 3}})
            for (bool brush : {false, true}) {
                TCanvas rect = Make(40, 40, 1, brush, style);
                TCanvas line = Make(40, 40, 1, brush, style);
                rect.Rectangle(b.x1, b.y1, b.x2, b.y2);
                Line(line, Box{std::min(b.x1, b.x2), std::min(b.y1, b.y2), std::max(b.x1, b.x2),
                               std::max(b.y1, b.y2)});
                EXPECT_EQ(Picture(rect), Picture(line)) << "box " << b.x1 << "," << b.y1;
            }
    const std::vector<std::string> wide = {"............", "..########..", "..########..",
                                           "..########..", "............"};
    TCanvas c = Make(12, 5, 3, true);
    c.Rectangle(3, 2, 9, 2);
    EXPECT_EQ(Picture(c), wide);
    for (const Box& b : {Box{4, 4, 4, 4}, Box{INT_MIN, 3, INT_MIN, 9}, Box{2, -2, 9, -2}}) {
        TCanvas none = Make(12, 5, 3, true);
        none.Rectangle(b.x1, b.y1, b.x2, b.y2);
        EXPECT_TRUE(Matches(none, [](int, int) { return kPaper; })) << "box " << b.x1;
    }
}

// Wide outlines run through the border pixels' centres with square corners, an even width
// adding its extra pixel on the top and left; a solid brush fills the box under them.
TEST(CanvasRectangle, WidePenOutlines) {
    struct Case {
        int width;
        std::vector<std::string> want;
    } const cases[] = {
        {2,
         {"..........", ".#######..", ".#######..", ".##ooo##..", ".##ooo##..", ".#######..",
          ".#######..", ".........."}},
        {3,
         {"..........", ".########.", ".########.", ".########.", ".###oo###.", ".########.",
          ".########.", ".########."}},
    };
    for (const Case& k : cases) {
        TCanvas c = Make(10, 8, k.width, true);
        c.Rectangle(2, 2, 8, 7);
        EXPECT_EQ(Picture(c), k.want) << "width " << k.width;
    }
}

// One pixel per step along the longer axis, within half a pixel of the ideal line, never the
// end pixel, in every octant.
TEST(CanvasLine, ThinLineStopsBeforeItsEndPixel) {
    for (const Box& l : {Box{5, 20, 35, 20}, Box{35, 20, 5, 20}, Box{20, 5, 20, 35},
                         Box{3, 4, 36, 17}, Box{36, 17, 3, 4}, Box{3, 36, 16, 2}, Box{16, 2, 3, 36},
                         Box{30, 2, 2, 30}, Box{10, 10, 11, 10}}) {
        TCanvas c = Make(40, 40, 1);
        Line(c, l);
        const int dx = l.x2 - l.x1, dy = l.y2 - l.y1;
        const bool xMajor = std::abs(dx) >= std::abs(dy);
        const int n = std::max(std::abs(dx), std::abs(dy));
        std::vector<int> perStep(n + 1);
        int count = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                if (c.Pixel(x, y) != kInk) continue;
                const int step = std::abs(xMajor ? x - l.x1 : y - l.y1);
                const double ideal = (xMajor ? l.y1 : l.x1) + double(xMajor ? dy : dx) * step / n;
                EXPECT_LE(std::abs((xMajor ? y : x) - ideal), 0.5) << x << "," << y;
                EXPECT_EQ(++perStep[std::min(step, n)], 1) << x << "," << y;
                ++count;
            }
        EXPECT_EQ(perStep[n], 0) << "end pixel";
        EXPECT_EQ(count, n) << "line from " << l.x1 << "," << l.y1 << " to " << l.x2 << "," << l.y2;
    }
}

// Odd widths cover the pixels within w/2 of the segment (no pixel is ever exactly w/2
// away); even widths settle such ties to the top and left.
TEST(CanvasLine, WideLineCoversTheRoundedSegment) {
    for (const Box& l : {Box{5, 12, 25, 12}, Box{6, 4, 6, 20}, Box{4, 5, 24, 17}, Box{22, 3, 7, 20},
                         Box{12, 12, 12, 12}})
        for (int w : {3, 5, 7}) {
            TCanvas c = Make(30, 25, w);
            Line(c, l);
            const auto near = [&](int x, int y) {
                return 4 * SegmentDistance2(l, x, y) < double(w) * w ? kInk : kPaper;
            };
            EXPECT_TRUE(Matches(c, near)) << "line " << l.x1 << "," << l.y1 << " width " << w;
        }
    const std::vector<std::string> across = {".......", "..####.", ".#####.", "......."};
    const std::vector<std::string> down = {"...#...", "..##...", "..##...", "..##..."};
    const std::vector<std::string> point = {"...#...", "..##...", ".......", "......."};
    for (const auto& [l, want] :
         {std::pair{Box{2, 2, 5, 2}, across}, {Box{3, 1, 3, 3}, down}, {Box{3, 1, 3, 1}, point}}) {
        TCanvas c = Make(7, 4, 2);
        Line(c, l);
        EXPECT_EQ(Picture(c), want) << "width 2 from " << l.x1 << "," << l.y1;
    }
}

// A clipped line keeps exactly the pixels it has on a larger bitmap, dashes included.
TEST(CanvasLine, ClippingKeepsTheUnclippedPixels) {
    std::mt19937 rng(77);
    const auto pick = [&] { return std::uniform_int_distribution(0, 299)(rng); };
    for (int n = 0; n < 200; ++n) {
        const Box l{pick(), pick(), pick(), pick()};
        const TPenStyle style = n % 2 == 0 ? TPenStyle::psDash : TPenStyle::psSolid;
        TCanvas whole = Make(300, 300, n % 3 == 0 ? 3 : 1, false, style);
        TCanvas window = Make(60, 50, n % 3 == 0 ? 3 : 1, false, style);
        Line(whole, l);
        Line(window, Box{l.x1 - 120, l.y1 - 100, l.x2 - 120, l.y2 - 100});
        EXPECT_TRUE(Matches(window, [&](int x, int y) { return whole.Pixel(x + 120, y + 100); }))
            << "line " << n;
    }
}

// Endpoints anywhere in the int range still give the exact pixels inside the bitmap, and
// the pen ends on the endpoint.
TEST(CanvasLine, ExtremeEndpointsClipExactly) {
    struct Case {
        Box line;
        int width;
        std::function<bool(int, int)> painted;
    } const cases[] = {
        {{INT_MIN, 5, INT_MAX, 5}, 1, [](int, int y) { return y == 5; }},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 1, [](int x, int y) { return x == y; }},
        // The one step of the minor axis comes at step 2^31 of 2^32 - 1, which is x = 0.
        {{INT_MIN, 0, INT_MAX, 1}, 1, [](int, int y) { return y == 1; }},
        {{INT_MAX, 5, INT_MIN, 5}, 3, [](int, int y) { return y >= 4 && y <= 6; }},
        // Wide lines settle their rims as near home: the extra row of an even width on top,
        // and a diagonal's band |x - y| <= 1 of width 2 (no pixel exactly 1 away).
        {{INT_MIN, 5, INT_MAX, 5}, 2, [](int, int y) { return y == 4 || y == 5; }},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         2,
         [](int x, int y) { return std::abs(x - y) <= 1; }},
    };
    for (const Case& k : cases) {
        TCanvas c = Make(20, 12, k.width);
        Line(c, k.line);
        EXPECT_TRUE(Matches(c, [&](int x, int y) { return k.painted(x, y) ? kInk : kPaper; }))
            << "from " << k.line.x1 << "," << k.line.y1 << " width " << k.width;
        EXPECT_EQ(c.PenPos, (TPoint{k.line.x2, k.line.y2}));
    }
}

// 18 drawn, 6 skipped, counted along the longer axis from the start of each LineTo; a
// wider dashed pen draws solid.
TEST(CanvasDash, LinePatternRestartsAtEachLineTo) {
    for (const Box& l : {Box{2, 5, 90, 5}, Box{90, 7, 3, 7}, Box{5, 2, 5, 90}, Box{8, 8, 80, 80}}) {
        TCanvas c = Make(100, 100, 1, false, TPenStyle::psDash);
        Line(c, l);
        const int sx = (l.x2 > l.x1) - (l.x2 < l.x1), sy = (l.y2 > l.y1) - (l.y2 < l.y1);
        for (int i = 0; i < std::max(std::abs(l.x2 - l.x1), std::abs(l.y2 - l.y1)); ++i)
            EXPECT_EQ(c.Pixel(l.x1 + i * sx, l.y1 + i * sy), i % 24 < 18 ? kInk : kPaper)
                << "line from " << l.x1 << "," << l.y1 << " step " << i;
    }
    TCanvas c = Make(70, 3, 1, false, TPenStyle::psDash);
    c.MoveTo(0, 1);
    c.LineTo(30, 1);
    c.LineTo(65, 1);
    for (int x = 0; x < 65; ++x)
        EXPECT_EQ(c.Pixel(x, 1), (x < 30 ? x : x - 30) % 24 < 18 ? kInk : kPaper) << "x " << x;
    TCanvas wide = Make(70, 3, 2, false, TPenStyle::psDash);
    Line(wide, Box{0, 1, 65, 1});
    EXPECT_EQ(Picture(wide)[1], std::string(66, '#') + "....");
}

// On a circle of radius 300 the pattern starts at 3 o'clock and runs up the screen; below
// 3 o'clock the partial last period of the 1884.96-long outline shows.
TEST(CanvasDash, CirclePatternStartsAtThreeOClockCounterClockwise) {
    TCanvas c = Make(320, 120, 1, false, TPenStyle::psDash);
    c.Ellipse(-290, -240, 310, 360); // centre (10, 60)
    const auto rowPainted = [&](int y) {
        const std::string row = Picture(c)[y];
        return row.find('#', 250) != std::string::npos;
    };
    for (int k = 0; k < 48; ++k)
        EXPECT_EQ(rowPainted(59 - k), k % 24 < 18) << k << " rows above";
    for (int k = 0; k < 25; ++k)
        EXPECT_EQ(rowPainted(60 + k), k < 13 || k >= 19) << k << " rows below";
}

// The outline's pixels are numbered clockwise from the top-left corner.
TEST(CanvasDash, RectanglePatternRunsClockwiseFromTopLeft) {
    TCanvas c = Make(40, 30, 1, false, TPenStyle::psDash);
    c.Rectangle(2, 3, 32, 23);
    int x = 2, y = 3, index = 0;
    for (const auto& [stepX, stepY, count] :
         {std::tuple{1, 0, 29}, {0, 1, 19}, {-1, 0, 29}, {0, -1, 19}})
        for (int k = 0; k < count; ++k, ++index, x += stepX, y += stepY)
            EXPECT_EQ(c.Pixel(x, y), index % 24 < 18 ? kInk : kPaper) << "pixel " << index;
}

// Gaps of a dashed outline show the brush inside the ellipse and the background outside,
// for an ellipse and for a circle, clipped or not.
TEST(CanvasDash, GapsShowTheBrushOnlyInside) {
    for (const Box& b :
         {Box{3, 4, 45, 40}, Box{5, 3, 43, 41}, Box{4, 4, 41, 41}, Box{-20, -9, 30, 41}}) {
        TCanvas c = Make(50, 45, 1, true, TPenStyle::psDash);
        c.Ellipse(b.x1, b.y1, b.x2, b.y2);
        const auto want = [&](int x, int y) {
            const TColor solid = ReferenceEllipse(x, y, b, 1, true);
            return solid == kInk && c.Pixel(x, y) != kInk ? ReferenceEllipse(x, y, b, 0, true)
                                                          : solid;
        };
        EXPECT_TRUE(Matches(c, want)) << "box " << b.x1 << "," << b.y1;
    }
}

// The reference the canvas fuzz target holds every call to draws, on its own, the pictures
// pinned above, and thin lines settle halves away from their start.
TEST(ReferenceCanvas, DrawsThePinnedPictures) {
    using reference::TInk;
    using Ink = std::function<TInk(int, int)>;
    const auto line = [](Box l, int w) -> Ink {
        return [=](int x, int y) {
            const reference::TBox b{l.x1, l.y1, l.x2, l.y2};
            const bool on =
                w == 1 ? reference::ThinLine(x, y, b, false) : reference::WideLine(x, y, b, w);
            return on ? TInk::Pen : TInk::Untouched;
        };
    };
    const auto box = [](int w) -> Ink {
        return [=](int x, int y) {
            return reference::Rectangle(x, y, {2, 2, 8, 7}, w, false, true);
        };
    };
    struct Case {
        Ink ink;
        std::vector<std::string> want;
    } const cases[] = {
        {box(2),
         {"..........", ".#######..", ".#######..", ".##ooo##..", ".##ooo##..", ".#######..",
          ".#######..", ".........."}},
        {box(3),
         {"..........", ".########.", ".########.", ".########.", ".###oo###.", ".########.",
          ".########.", ".########."}},
        {line({2, 2, 5, 2}, 2), {".......", "..####.", ".#####.", "......."}},
        {line({3, 1, 3, 3}, 2), {"...#...", "..##...", "..##...", "..##..."}},
        {line({3, 1, 3, 1}, 2), {"...#...", "..##...", ".......", "......."}},
        {line({0, 0, 4, 1}, 1), {"##.....", "..##...", ".......", "......."}},
        {line({4, 1, 0, 0}, 1), {".##....", "...##..", ".......", "......."}},
    };
    for (const Case& k : cases) {
        std::vector<std::string> seen(k.want.size(), std::string(k.want[0].size(), '.'));
        for (int y = 0; y < int(seen.size()); ++y)
            for (int x = 0; x < int(seen[0].size()); ++x)
                if (const TInk i = k.ink(x, y); i != TInk::Untouched)
                    seen[y][x] = i == TInk::Pen ? '#' : 'o';
        EXPECT_EQ(seen, k.want);
    }
}
