// The list of rows and the slider: what their state may hold, where a key moves them, and
// when their OnChange runs.
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using K = tk::TControlKind;
using L = tk::TListKey;
using S = tk::TSliderKey;

// clang-format off
constexpr tk::TControlDesc kControls[] = {
    {K::RowList,     "Chain", nullptr, 8, 8,   300, 120, "Элемент\tЗначение\t", 0},
    {K::SliderValue, "Tune",  nullptr, 8, 140, 300, 24,  "C1 = 2,2 пФ",          1},
};
// clang-format on

struct QuietHost : tk::THost {
    void Show(tk::TForm&, tk::TApplication&) override {}
    void Run() override {}
    void ShowError(const std::string&) override {}
    void OpenURL(const std::string&) override {}
};

class ListSlider : public ::testing::Test {
  protected:
    tk::TForm form{{"Цепочка", 320, 180, kControls}};
    tk::TRowList& list = *form.Get<tk::TRowList>("Chain");
    tk::TSliderValue& slider = *form.Get<tk::TSliderValue>("Tune");
};

// Up and Down a row, the page keys a page, Home and End the ends, never past them; from no
// selection every key lands on a row, and an empty list has none to land on.
TEST(ListKeys, MoveWithinTheRows) {
    const struct {
        int current, count, page;
        L key;
        int after;
    } cases[] = {
        {2, 5, 3, L::Up, 1},       {0, 5, 3, L::Up, 0},       {2, 5, 3, L::Down, 3},
        {4, 5, 3, L::Down, 4},     {4, 5, 3, L::PageUp, 1},   {1, 5, 3, L::PageUp, 0},
        {1, 5, 3, L::PageDown, 4}, {3, 5, 3, L::PageDown, 4}, {3, 5, 0, L::PageDown, 4},
        {3, 5, 3, L::Home, 0},     {1, 5, 3, L::End, 4},      {-1, 5, 3, L::Up, 0},
        {-1, 5, 3, L::Down, 0},    {-1, 5, 3, L::End, 4},     {7, 5, 3, L::Up, 0},
        {-1, 0, 3, L::Down, -1},   {0, 0, 3, L::End, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::RowAfterKey(c.current, c.count, c.page, c.key), c.after)
            << c.current << " of " << c.count << ", key " << int(c.key);
}

// The headings come from the caption; a selection outside the rows is none, and new rows
// keep the selected row only while it is still there.
TEST_F(ListSlider, ListKeepsItsSelectionWithinItsRows) {
    EXPECT_EQ(list.Columns(), (std::vector<std::string>{"Элемент", "Значение", ""}));
    list.SetRows({{"C1", "2,2 пФ"}, {"L1"}, {"C2", "1 пФ"}});
    const struct { int set, held; } cases[] = {{2, 2}, {3, -1}, {-5, -1}, {0, 0}};
    for (const auto& c : cases) {
        list.SetItemIndex(c.set);
        EXPECT_EQ(list.ItemIndex(), c.held) << c.set;
    }
    list.SetItemIndex(1);
    list.SetRows({{"C1"}, {"L1"}});
    EXPECT_EQ(list.ItemIndex(), 1) << "the row is still there";
    list.SetRows({{"C1"}});
    EXPECT_EQ(list.ItemIndex(), -1) << "the row is gone";
}

// The columns share the width equally until the form sets shares, which must be one a column
// and above 0; the widths fill the width, none narrower than a pixel.
TEST_F(ListSlider, ColumnsShareTheWidth) {
    EXPECT_EQ(tk::ColumnWidths(list, 301), (std::vector<int>{100, 100, 101}));
    for (const std::vector<int>& refused : {std::vector<int>{1, 2}, {1, 0, 2}, {1, -1, 2}}) {
        list.SetColumnShares(refused);
        EXPECT_EQ(list.ColumnShares(), (std::vector<int>{1, 1, 1}));
    }
    list.SetColumnShares({1, 3, 4});
    EXPECT_EQ(tk::ColumnWidths(list, 100), (std::vector<int>{12, 37, 51}));
    EXPECT_EQ(tk::ColumnWidths(list, 2), (std::vector<int>{1, 1, 1}));
}

// Every position set stays within the range, a range given backwards included.
TEST_F(ListSlider, SliderPositionStaysInItsRange) {
    const struct {
        int min, max, set, held;
    } cases[] = {
        {0, 1000, 500, 500},   {0, 1000, 1001, 1000}, {0, 1000, -1, 0},
        {1000, 0, 2000, 1000}, {-50, -10, 0, -10},    {7, 7, 3, 7},
    };
    for (const auto& c : cases) {
        slider.SetRange(c.min, c.max);
        slider.SetPosition(c.set);
        EXPECT_EQ(slider.Position(), c.held) << c.min << ".." << c.max << " set " << c.set;
    }
    slider.SetRange(0, 1000);
    slider.SetPosition(900);
    slider.SetRange(0, 100);
    EXPECT_EQ(slider.Position(), 100) << "a narrower range takes the position with it";
}

// The arrows a small step, the page keys a large one, Home and End the ends; a step under
// one is one, and a step from the end of an int's range neither overflows nor leaves it.
TEST_F(ListSlider, SliderKeysStepWithinTheRange) {
    const struct {
        int min, max, position, small, large;
        S key;
        int after;
    } cases[] = {
        {0, 1000, 500, 1, 50, S::Right, 501},
        {0, 1000, 500, 1, 50, S::Up, 501},
        {0, 1000, 500, 1, 50, S::Left, 499},
        {0, 1000, 500, 1, 50, S::Down, 499},
        {0, 1000, 500, 1, 50, S::PageUp, 550},
        {0, 1000, 500, 1, 50, S::PageDown, 450},
        {0, 1000, 980, 1, 50, S::PageUp, 1000},
        {0, 1000, 20, 1, 50, S::PageDown, 0},
        {0, 1000, 500, 1, 50, S::Home, 0},
        {0, 1000, 500, 1, 50, S::End, 1000},
        {0, 1000, 500, 0, -3, S::Right, 501},
        {0, 1000, 500, 0, -3, S::PageDown, 499},
        {INT_MIN, INT_MAX, INT_MAX, 5, INT_MAX, S::PageUp, INT_MAX},
        {INT_MIN, INT_MAX, INT_MIN, 5, INT_MAX, S::Left, INT_MIN},
    };
    for (const auto& c : cases) {
        slider.SetRange(c.min, c.max);
        slider.SetPosition(c.position);
        slider.SmallStep = c.small;
        slider.LargeStep = c.large;
        EXPECT_EQ(tk::PositionAfterKey(slider, c.key), c.after)
            << c.position << " key " << int(c.key);
    }
}

// The user's choice runs OnChange only when it changes the control, as clamped: a step
// past the end, or the selected row again, is no change.
TEST_F(ListSlider, OnChangeRunsOnlyOnAChange) {
    QuietHost host;
    tk::TApplication app{host};
    int lists = 0, slides = 0;
    list.OnChange = [&](tk::TObject*) { ++lists; };
    slider.OnChange = [&](tk::TObject*) { ++slides; };
    list.SetRows({{"C1"}, {"L1"}});
    slider.SetRange(0, 10);

    app.Select(list, 1);
    app.Select(list, 1);
    app.Key(list, L::Down, 1);
    EXPECT_EQ(lists, 1);
    app.Key(list, L::Up, 1);
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(lists, 2);

    app.Slide(slider, 40);
    app.Slide(slider, 11);
    app.Key(slider, S::End);
    EXPECT_EQ(slider.Position(), 10);
    EXPECT_EQ(slides, 1);
    app.Key(slider, S::PageDown);
    EXPECT_EQ(slider.Position(), 0);
    EXPECT_EQ(slides, 2);
}

} // namespace
