#include "tests/chart/ChartTesting.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/Grid.h"
#include "toolkit/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace testing_chart;

namespace {

struct GridRun {
    explicit GridRun(char separator = ',') : sep(separator) {
        canvas.Log = &log;
        chart::DrawGrid(state, canvas);
    }
    testing_common::ScopedDecimalSeparator sep;
    tk::TCanvas canvas{807, 689};
    chart::TChartState state;
    std::vector<tk::TCanvasCall> log;
};

// The labelled resistance circles: each row's circle, its pen width and its label's anchor.
TEST(Grid, ResistanceCirclesAndLabels) {
    struct Row {
        int pixX, pixR;
        const char* label;
        int anchorX;
    };
    const Row rows[] = {
        {400, 300, "0,0", 102}, {427, 272, "0,1", 157}, {450, 249, "0,2", 203},
        {469, 230, "0,3", 241}, {485, 214, "0,4", 273}, {500, 200, "0,5", 302},
        {512, 187, "0,6", 327}, {523, 176, "0,7", 349}, {533, 166, "0,8", 369},
        {542, 157, "0,9", 387}, {550, 149, "1,0", 403}, {563, 136, "1,2", 429},
        {575, 124, "1,4", 453}, {584, 115, "1,6", 471}, {592, 107, "1,8", 487},
        {600, 99, "2,0", 503},  {625, 74, "3,0", 553},  {640, 60, "4,0", 582},
        {649, 50, "5,0", 601},  {672, 27, "10,0", 647}, {681, 18, "15,0", 665},
        {685, 14, "20,0", 673}, {688, 11, "25,0", 679}, {690, 9, "30,0", 683},
        {691, 8, "35,0", 685},  {692, 7, "40,0", 687},  {693, 6, "45,0", 689},
        {694, 5, "50,0", 691},
    };
    GridRun g;
    // The labels on the axis: "1,0" of the blanked disc, the 28 of the circles, 20 again.
    std::vector<tk::TCanvasCall> labels;
    for (const auto& c : Only(g.log, Op::TextOut))
        if (c.Y1 == 350 && c.Text.size() - c.Text.find(',') == 2) labels.push_back(c);
    ASSERT_EQ(labels.size(), 1u + 28u + 20u);
    EXPECT_EQ(labels[0].Text, "1,0");
    EXPECT_EQ(labels[0].X1, 402);

    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.label);
        EXPECT_EQ(labels[1 + i].Text, r.label);
        EXPECT_EQ(labels[1 + i].X1, r.anchorX);
        const int at =
            FindEllipse(g.log, {r.pixX - r.pixR, 350 - r.pixR, r.pixX + r.pixR, 350 + r.pixR});
        ASSERT_GE(at, 0);
        const int width = i == 0 ? 3 : std::string(r.label) == "1,0" ? 2 : 1;
        EXPECT_EQ(g.log[at].Pen.Width, width);
        EXPECT_EQ(g.log[at].Brush.Style, tk::TBrushStyle::bsClear);
        EXPECT_EQ(labels[1 + i].Brush.Style, tk::TBrushStyle::bsSolid); // white box
    }
    // Only 0 .. 5 and 50 are labelled again after the white surround.
    const char* again[] = {"0,0", "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9",
                           "1,0", "1,2", "1,4", "1,6", "1,8", "2,0", "3,0", "4,0", "5,0", "50,0"};
    for (std::size_t i = 0; i < std::size(again); ++i)
        EXPECT_EQ(labels[29 + i].Text, again[i]);
}

// The reactance arcs: how many, and the rows that show the float accumulation.
TEST(Grid, ReactanceArcs) {
    GridRun g;
    const auto ellipses = Only(g.log, Op::Ellipse);
    // 39 fine arcs, the blanked r = 1 disc, 28 resistance circles, 111 main arcs, x = +-1,
    // the 2 white rings of the surround.
    ASSERT_EQ(ellipses.size(), 39u + 1u + 28u + 111u + 2u + 2u);
    EXPECT_EQ(BoxOf(ellipses[0]), (Box{1000, 950, 400, 350}));      // x = -1
    EXPECT_EQ(BoxOf(ellipses[19]), (Box{6700, 12350, -5300, 350})); // x = -0.05
    // x = 0.05 arrives as 0.0500001: 1/x falls just short of 20.
    EXPECT_EQ(BoxOf(ellipses[20]), (Box{700 - 5999, -5649 - 5999, 700 + 5999, -5649 + 5999}));
    EXPECT_EQ(BoxOf(ellipses[38]), (Box{385, -280, 1015, 350})); // x = 0.95: PixY 35, PixR 315
    EXPECT_EQ(BoxOf(ellipses[39]), (Box{400, 200, 700, 500}));   // the blanked r = 1 disc
    EXPECT_EQ(ellipses[39].Brush.Style, tk::TBrushStyle::bsSolid);

    struct Row {
        int index; // among the main arcs
        int pixY, pixR;
        int width;
    };
    const Row rows[] = {
        {0, 355, -5, 3},      // x = -50, the only thick one: box (705, 360)-(695, 350)
        {1, 350 + 6, -6, 1},  // x = -49.9
        {55, 2349, -1999, 1}, // x = -0.15
        {56, -2650, 3000, 1}, // x = 0.1
        {60, 78, 272, 1},     // x = 1.1
        {110, 344, 6, 1},     // x = 49.1
    };
    const std::size_t first = 39 + 1 + 28;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.index);
        const auto& c = ellipses[first + r.index];
        EXPECT_EQ(BoxOf(c), (Box{700 - r.pixR, r.pixY - r.pixR, 700 + r.pixR, r.pixY + r.pixR}));
        EXPECT_EQ(c.Pen.Width, r.width);
    }
    EXPECT_EQ(BoxOf(ellipses[first + 111]), (Box{400, -250, 1000, 350}));
    EXPECT_EQ(BoxOf(ellipses[first + 112]), (Box{1000, 950, 400, 350}));
    EXPECT_EQ(ellipses[first + 112].Pen.Width, 2);
    // The surround: radius 551 as wide as the rings 303 .. 799 of the width-3 pen, then 800.
    EXPECT_EQ(BoxOf(ellipses[first + 113]), (Box{951, 901, -151, -201}));
    EXPECT_EQ(ellipses[first + 113].Pen.Color, tk::clWhite);
    EXPECT_EQ(ellipses[first + 113].Pen.Width, 499);
    EXPECT_EQ(BoxOf(ellipses[first + 114]), (Box{1200, 1150, -400, -450}));
    EXPECT_EQ(ellipses[first + 114].Pen.Width, 3);
}

// The wavelength ring, clockwise from G = -1; 1/8 and 3/8 fall just below and round down.
TEST(Grid, WavelengthLabels) {
    struct Row {
        const char* text;
        int x, y;
    };
    const Row rows[] = {{"0,00", 70, 350},  {"0,06", 163, 123}, {"0,12", 390, 30},
                        {"0,19", 616, 123}, {"0,25", 709, 350}, {"0,31", 616, 576},
                        {"0,37", 389, 670}, {"0,44", 163, 576}};
    GridRun g;
    const auto texts = Only(g.log, Op::TextOut);
    ASSERT_GE(texts.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        const auto& c = texts[texts.size() - 8 + i];
        EXPECT_EQ(c.Text, rows[i].text);
        EXPECT_EQ(c.X1, rows[i].x);
        EXPECT_EQ(c.Y1, rows[i].y);
        EXPECT_EQ(c.Brush.Style, tk::TBrushStyle::bsSolid);
    }
}

// What the grid leaves for the routines after it.
TEST(Grid, LeavesScratchStateAndCanvasState) {
    GridRun g;
    EXPECT_EQ(g.state.XCircleRadius, -1.0f);
    EXPECT_EQ(g.state.RCircleCenter, float(50.0 / 51.0));
    EXPECT_EQ(g.state.RCircleRadius, float(1.0 / 51.0));
    EXPECT_EQ(g.state.PixR, 5);
    EXPECT_EQ(g.state.PixX, 173);
    EXPECT_EQ(g.state.PixY, 576);
    EXPECT_EQ(g.state.RadToWaves, float(1 / (4 * 3.141592653589793)));
    EXPECT_EQ(g.canvas.Brush.Style, tk::TBrushStyle::bsClear);
    EXPECT_EQ(g.canvas.Pen.Color, tk::clWhite);
    EXPECT_EQ(g.canvas.Pen.Width, 1);
}

// The picture: a black rim, and nothing but labels beyond radius 302.
TEST(Grid, RimIsBlackAndSurroundIsWhite) {
    GridRun g;
    EXPECT_EQ(g.canvas.Pixel(400, 50), tk::clBlack);
    std::vector<Box> cells;
    for (const auto& c : Only(g.log, Op::TextOut))
        cells.push_back(
            {c.X1, c.Y1, c.X1 + g.canvas.TextWidth(c.Text), c.Y1 + g.canvas.TextHeight(c.Text)});
    int stray = 0;
    for (int y = 0; y < g.canvas.Height(); ++y)
        for (int x = 0; x < g.canvas.Width(); ++x) {
            if (std::hypot(x + 0.5 - 400, y + 0.5 - 350) <= 302) continue;
            const bool inLabel = std::any_of(cells.begin(), cells.end(), [&](const Box& b) {
                return x >= b.x1 && x < b.x2 && y >= b.y1 && y < b.y2;
            });
            if (!inLabel && g.canvas.Pixel(x, y) != tk::clWhite) ++stray;
        }
    EXPECT_EQ(stray, 0);
}

TEST(Grid, DrawingTwiceGivesTheSameImage) {
    GridRun once;
    GridRun twice;
    chart::DrawGrid(twice.state, twice.canvas);
    EXPECT_TRUE(
        std::equal(once.canvas.Bits(), once.canvas.Bits() + 807 * 689, twice.canvas.Bits()));
}

// Under a point the labels read 0.1, 1.0 ... and no label equals "1,0": the r = 1 circle
// keeps width 1.
TEST(Grid, PointSeparatorChangesLabelsAndTheUnitCircleWidth) {
    GridRun g('.');
    EXPECT_GE(FindText(g.log, "0.1"), 0);
    EXPECT_GE(FindText(g.log, "1.0"), 0);
    EXPECT_GE(FindText(g.log, "0.37"), 0);
    EXPECT_EQ(FindText(g.log, "1,0"), -1);
    const int at = FindEllipse(g.log, {401, 201, 699, 499});
    ASSERT_GE(at, 0);
    EXPECT_EQ(g.log[at].Pen.Width, 1);
}

} // namespace
