#include "tests/zmatch/ZmatchTesting.h"

#include <gtest/gtest.h>

using testing_zmatch::Window;
using Op = tk::TCanvasCall::TOp;

namespace {

// The key: a green and a fuchsia 50-pixel line with their captions; it leaves the pen
// fuchsia, solid, width 2, for the first lines of the matching.
TEST(DrowLegend, DrawsBothEntriesAndLeavesTheWidthTwoPen) {
    Window w;
    w.log.clear();
    w.form.Image1->Canvas.Pen.Style = tk::TPenStyle::psDash;
    w.form.DrowLegend(&w.form);
    ASSERT_EQ(w.log.size(), 6u);
    struct Row {
        Op op;
        int x, y;
        tk::TColor color;
        const char* text;
    };
    const Row rows[] = {
        {Op::MoveTo, 10, 10, tk::clGreen, ""},
        {Op::LineTo, 60, 10, tk::clGreen, ""},
        {Op::TextOut, 61, 4, tk::clGreen, "Расстояние от нагрузки до места подключения"},
        {Op::MoveTo, 10, 25, tk::clFuchsia, ""},
        {Op::LineTo, 60, 25, tk::clFuchsia, ""},
        {Op::TextOut, 61, 19, tk::clFuchsia, "Длина шлейфа"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(w.log[i].Op, rows[i].op);
        EXPECT_EQ(w.log[i].X1, rows[i].x);
        EXPECT_EQ(w.log[i].Y1, rows[i].y);
        EXPECT_EQ(w.log[i].Pen.Color, rows[i].color);
        EXPECT_EQ(w.log[i].Pen.Width, 1);
        EXPECT_EQ(w.log[i].Pen.Style, tk::TPenStyle::psSolid);
        EXPECT_EQ(w.log[i].Text, rows[i].text);
    }
    const tk::TCanvas& c = w.form.Image1->Canvas;
    EXPECT_EQ(c.Pen.Color, tk::clFuchsia);
    EXPECT_EQ(c.Pen.Width, 2);
    EXPECT_EQ(c.Pen.Style, tk::TPenStyle::psSolid);
    EXPECT_EQ(c.Pixel(10, 10), tk::clGreen);
    EXPECT_EQ(c.Pixel(59, 25), tk::clFuchsia);
    EXPECT_EQ(c.Pixel(60, 25), tk::clWhite); // the end pixel of a thin line stays clear
}

// "Показать точку" wipes the surround and brings the legend back, now on white boxes.
TEST(Button1Click, BringsTheLegendBack) {
    Window w;
    w.log.clear();
    w.ShowLoad("50", "50");
    ASSERT_GE(w.log.size(), 6u);
    const auto& last = w.log.back();
    EXPECT_EQ(last.Text, "Длина шлейфа");
    EXPECT_EQ(last.Brush.Style, tk::TBrushStyle::bsSolid);
    EXPECT_EQ(w.form.Image1->Canvas.Pixel(30, 10), tk::clGreen);
    EXPECT_EQ(w.form.Label3->Caption, "Zнн=1,00+j1,00");
}

// A bad field stops the click before the legend too: nothing at all is drawn.
TEST(Button1Click, BadFieldDrawsNothing) {
    Window w;
    w.log.clear();
    EXPECT_THROW(w.ShowLoad("50", "x"), tk::EConvertError);
    EXPECT_TRUE(w.log.empty());
    EXPECT_EQ(w.form.Label3->Caption, "Zнн=");
}

// After a matching, "Показать точку" gives the very picture it gives on its own.
TEST(Button1Click, RemovesTheMatchingAndKeepsTheLegend) {
    Window plain, matched;
    plain.ShowLoad("100", "50");
    matched.ShowLoad("100", "50");
    matched.Match();
    EXPECT_NE(plain.Picture(), matched.Picture());
    matched.ShowLoad("100", "50");
    EXPECT_EQ(plain.Picture(), matched.Picture());
}

} // namespace
