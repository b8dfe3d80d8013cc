#include "toolkit/StackedLayout.h"

#include <gtest/gtest.h>

namespace {

using K = tk::TControlKind;

// A chart window in small: the picture right of a column, a group box in the column.
// clang-format off
constexpr tk::TControlDesc kControls[] = {
    {K::Image,       "Image1",  nullptr,   201, 8, 807, 689, ""},
    {K::Edit,        "Edit1",   nullptr,    34, 13,  63,  21, "0", 0},
    {K::GroupBox,    "Group",   nullptr,     8, 168, 169, 81, "Тип", 1},
    {K::RadioButton, "Radio",   "Group",     3,  24, 142, 17, "Один", 0, true},
    {K::Label,       "Link",    nullptr,     8, 672, 187, 13, "адрес", -1, false, true},
};
// clang-format on
constexpr tk::TFormDesc kDesc{"Окно", 1016, 734, kControls};

// On a narrow screen the picture fills its width, aspect kept, and the column keeps its
// designed places below it; on a wide one the picture keeps its designed size.
TEST(StackedLayout, PictureFirstThenTheColumnBelowIt) {
    const tk::TForm form(kDesc);
    const tk::StackedLayout layout(form);
    const struct {
        const char* intent;
        int width;
        const char* control;
        tk::TRect place;
    } cases[] = {
        {"a phone: the picture across", 390, "Image1", {0, 0, 390, 332}},
        {"a phone: a field below by the picture's height", 390, "Edit1", {34, 345, 63, 21}},
        {"a phone: the link at the column's foot", 390, "Link", {8, 1004, 187, 13}},
        {"inside a group: its place in the group", 390, "Radio", {3, 24, 142, 17}},
        {"never larger than designed, in the middle", 2000, "Image1", {596, 0, 807, 689}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(layout.Place(*form.FindControl(c.control), c.width), c.place) << c.intent;
    // Nothing beyond the screen's width; the column's margins kept below the link.
    EXPECT_EQ(layout.Extent(390), (tk::TSize{390, 332 + 685 + 13}));
}

// A screen lower than the picture sets its height, down to the least that still shows the
// grid; the picture stands in the middle of the width, the column below it as before.
TEST(StackedLayout, ThePictureFitsTheScreensHeight) {
    const tk::TForm form(kDesc);
    const struct {
        const char* intent;
        int width, tallest;
        tk::TRect picture;
        int fieldTop;
    } cases[] = {
        {"a phone held sideways", 844, 390, {194, 0, 456, 389}, 402},
        {"upright: the width is the bound", 390, 844, {0, 0, 390, 332}, 345},
        {"a screen lower than the least", 844, 100, {281, 0, 281, 239}, 252},
    };
    for (const auto& c : cases) {
        const tk::StackedLayout layout(form, c.tallest);
        EXPECT_EQ(layout.Place(*form.FindControl("Image1"), c.width), c.picture) << c.intent;
        EXPECT_EQ(layout.Place(*form.FindControl("Edit1"), c.width).Top, c.fieldTop) << c.intent;
        EXPECT_LE(layout.Extent(c.width).Width, c.width) << c.intent;
    }
}

} // namespace
