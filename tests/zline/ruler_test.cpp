#include "tests/zline/ZlineTesting.h"

#include <gtest/gtest.h>

using testing_zline::Window;
using Op = tk::TCanvasCall::TOp;

namespace {

// Every tick and label of the ruler; |G| = 1 has no lower tick or label.
TEST(DrowShkali, TicksAndLabels) {
    struct Row {
        int i;
        const char *upper, *lower;
    };
    const Row rows[] = {
        {20, "0,07", "1,14"},   {40, "0,13", "1,31"},   {60, "0,20", "1,50"},
        {80, "0,27", "1,73"},   {100, "0,33", "2,00"},  {120, "0,40", "2,33"},
        {140, "0,47", "2,75"},  {160, "0,53", "3,29"},  {180, "0,60", "4,00"},
        {200, "0,67", "5,00"},  {220, "0,73", "6,50"},  {240, "0,80", "9,00"},
        {260, "0,87", "14,00"}, {280, "0,93", "29,00"}, {300, "1,00", nullptr},
    };
    Window w;
    w.log.clear();
    w.form.DrowShkali(&w.form);
    std::vector<tk::TCanvasCall> expected;
    const auto call = [](Op op, int x, int y, std::string text = "") {
        tk::TCanvasCall c;
        c.Op = op;
        c.X1 = x;
        c.Y1 = y;
        c.Text = std::move(text);
        return c;
    };
    expected.push_back(call(Op::MoveTo, 750, 50));
    expected.push_back(call(Op::LineTo, 750, 650));
    expected.push_back(call(Op::MoveTo, 748, 350));
    expected.push_back(call(Op::LineTo, 752, 350));
    for (const Row& r : rows) {
        expected.push_back(call(Op::MoveTo, 748, 350 - r.i));
        expected.push_back(call(Op::LineTo, 752, 350 - r.i));
        expected.push_back(call(Op::TextOut, 752, 347 - r.i, r.upper));
        if (r.lower) {
            expected.push_back(call(Op::TextOut, 752, 347 + r.i, r.lower));
            expected.push_back(call(Op::MoveTo, 748, 350 + r.i));
            expected.push_back(call(Op::LineTo, 752, 350 + r.i));
        }
    }
    ASSERT_EQ(w.log.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(w.log[k].Op, expected[k].Op);
        EXPECT_EQ(w.log[k].X1, expected[k].X1);
        EXPECT_EQ(w.log[k].Y1, expected[k].Y1);
        EXPECT_EQ(w.log[k].Text, expected[k].Text);
        EXPECT_EQ(w.log[k].Pen.Color, tk::clBlack);
    }
}

// The ruler takes the caller's brush: transparent after the grid, white boxes after the
// buttons; it leaves only the pen colour changed (black).
TEST(DrowShkali, TakesTheCallersBrushAndLeavesThePenBlack) {
    Window w;
    w.log.clear();
    w.form.FormCreate(&w.form);
    const auto texts = [&] {
        std::vector<tk::TCanvasCall> out;
        for (const auto& c : w.log)
            if (c.Op == Op::TextOut && c.X1 == 752) out.push_back(c);
        return out;
    };
    for (const auto& c : texts())
        EXPECT_EQ(c.Brush.Style, tk::TBrushStyle::bsClear);

    w.ShowLoad("50", "50");
    const auto boxed = texts();
    ASSERT_EQ(boxed.size(), 2u * 29u); // drawn by the grid redraw, then again at the end
    EXPECT_EQ(boxed.back().Brush.Style, tk::TBrushStyle::bsSolid);
    EXPECT_EQ(w.form.Image1->Canvas.Pen.Color, tk::clBlack);
    EXPECT_EQ(w.form.Image1->Canvas.Pen.Width, 2);
    EXPECT_EQ(w.form.Image1->Canvas.Pixel(750, 200), tk::clBlack);
}

} // namespace
