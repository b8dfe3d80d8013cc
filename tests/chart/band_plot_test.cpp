#include "chart/BandPlot.h"

#include "tests/common/ScopedDecimalSeparator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 700, kHeight = 500;

// 0,5 .. 1,5 in 101 points: the chart's answer flat at КСВ 2, the first solution flat at
// 1,5, the second rising from 1 to 9 through the top of the plot.
theory::TBandResponse Made() {
    theory::TBandResponse r;
    for (int i = 0; i <= 100; ++i) {
        r.Ratio.push_back(0.5 + i / 100.0);
        r.Chart.Vswr.push_back(2);
        r.First.Vswr.push_back(1.5);
        r.Second.Vswr.push_back(1 + 8 * i / 100.0);
    }
    r.Chart.Vswr2Fraction = 1;
    r.First.Vswr2Fraction = 1;
    r.Second.Vswr2Fraction = 0.125;
    return r;
}

int CountOf(const tk::TCanvas& c, tk::TColor color, int top, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < c.Width(); ++x)
            n += c.Pixel(x, y) == color;
    return n;
}

// Each curve lies where its values say: on the grid lines it runs along, never above the
// area where it leaves the top, and each colour has its legend sample beneath the area.
TEST(BandPlot, CurvesLandOnTheirValues) {
    const theory::TBandResponse r = Made();
    tk::TCanvas c(kWidth, kHeight);
    chart::DrawBandPlot(c, r, 0);
    const chart::TBandFrame f = chart::BandFrame(r, kWidth, kHeight);
    for (double ratio : {0.6, 0.8, 1.2, 1.4}) {
        EXPECT_EQ(c.Pixel(f.XOf(ratio), f.YOf(2)), chart::kBandChartColor) << ratio;
        EXPECT_EQ(c.Pixel(f.XOf(ratio), f.YOf(1.5)), chart::kBandFirstColor) << ratio;
    }
    // The second reaches КСВ 3 at f/f0 = 0,75 and 5 at 1,0.
    EXPECT_EQ(c.Pixel(f.XOf(0.75), f.YOf(3)), chart::kBandSecondColor);
    EXPECT_EQ(CountOf(c, chart::kBandSecondColor, 0, f.Top), 0);
    EXPECT_EQ(c.Pixel(f.XOf(1.3), f.Top + 2), tk::clWhite);
    for (tk::TColor color :
         {chart::kBandChartColor, chart::kBandFirstColor, chart::kBandSecondColor})
        EXPECT_GT(CountOf(c, color, f.Bottom + 1, kHeight), 30) << std::hex << color;
}

// The axis under the area: f0's tick below it, and f0 dashed across it.
TEST(BandPlot, MarksF0) {
    const theory::TBandResponse r = Made();
    tk::TCanvas c(kWidth, kHeight);
    chart::DrawBandPlot(c, r, 0);
    const chart::TBandFrame f = chart::BandFrame(r, kWidth, kHeight);
    EXPECT_EQ(f.XOf(1), f.Left + (f.Right - f.Left) / 2);
    EXPECT_EQ(c.Pixel(f.XOf(1), f.Bottom + 3), tk::clBlack);
    EXPECT_NE(c.Pixel(f.XOf(1), f.Top + 1), tk::clWhite);
    EXPECT_EQ(c.Pixel(f.XOf(1) + 3, f.Bottom + 3), tk::clWhite);
}

// The legend's widths: a band that runs past an end of the sweep is a bound, one past both
// the whole sweep.
TEST(BandPlot, LegendSaysWhereTheBandRunsPastTheSweep) {
    const testing_common::ScopedDecimalSeparator comma(',');
    theory::TBandResponse r = Made();
    r.Chart.Vswr2ToLowEdge = r.Chart.Vswr2ToHighEdge = true;
    r.First.Vswr2Fraction = 0.834;
    r.First.Vswr2ToHighEdge = true;
    tk::TCanvas c(kWidth, kHeight);
    std::vector<tk::TCanvasCall> log;
    c.Log = &log;
    chart::DrawBandPlot(c, r, 0);
    std::string texts;
    for (const tk::TCanvasCall& call : log)
        texts += call.Text + "\n";
    for (const char* width : {": КСВ ≤ 2 во всём диапазоне\n", ": КСВ ≤ 2 в полосе ≥ 83,4 %\n",
                              ": КСВ ≤ 2 в полосе 12,5 %\n"})
        EXPECT_NE(texts.find(width), std::string::npos) << width << texts;
}

// A response without points (before a match is plotted) is an empty frame, and reads
// nothing.
TEST(BandPlot, EmptyResponse) {
    tk::TCanvas c(kWidth, kHeight);
    chart::DrawBandPlot(c, {}, 0);
    EXPECT_EQ(CountOf(c, chart::kBandChartColor, 0, kHeight / 2), 0);
    EXPECT_EQ(chart::BandReadout({}, 0, {350, 200}, kWidth, kHeight), "");
}

// The readout: f0 and the three values at the pixel's column, f in Hz when f0 is known,
// infinity for a reactive load, nothing off the area.
TEST(BandPlot, Readout) {
    testing_common::ScopedDecimalSeparator comma(',');
    theory::TBandResponse r = Made();
    r.Second.Vswr[50] = std::numeric_limits<double>::infinity();
    const chart::TBandFrame f = chart::BandFrame(r, kWidth, kHeight);
    const int mid = (f.Top + f.Bottom) / 2;
    struct Row {
        tk::TPoint pixel;
        double f0;
        const char* text;
    };
    const Row rows[] = {
        {{f.XOf(1), mid},
         0,
         "f / f0 = 1,000\nКСВ ответа диаграммы = 2,00\nКСВ первого решения = 1,50\n"
         "КСВ второго решения = ∞"},
        {{f.Left, f.Bottom},
         2e9,
         "f / f0 = 0,500\nf = 1 ГГц\nКСВ ответа диаграммы = 2,00\nКСВ первого решения = 1,50\n"
         "КСВ второго решения = 1,00"},
        {{f.Left - 1, mid}, 0, ""},
        {{f.Right + 1, mid}, 0, ""},
        {{f.XOf(1), f.Top - 1}, 0, ""},
        {{f.XOf(1), f.Bottom + 1}, 0, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(chart::BandReadout(r, row.f0, row.pixel, kWidth, kHeight), row.text)
            << row.pixel.X << ", " << row.pixel.Y;
}

} // namespace
