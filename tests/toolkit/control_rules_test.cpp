// The rules every binding shares for what the user sees of a form's controls.
#include "toolkit/CaptionFit.h"
#include "toolkit/Link.h"
#include "toolkit/PictureTitle.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/ShortcutKeys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using K = tk::TControlKind;

// clang-format off
constexpr tk::TControlDesc kControls[] = {
    {K::Label,       "Label1",       nullptr,     8,  13, 24, 13, "Zн= +j"},
    {K::Edit,        "Edit1",        nullptr,    40,  10, 60, 21, "1",         0},
    {K::Label,       "Label2",       nullptr,     8,  40, 24, 13, "Y'вх. = "},
    {K::GroupBox,    "GroupBox1",    nullptr,     8,  60, 169, 81, "Тип",      1},
    {K::RadioButton, "RadioButton1", "GroupBox1", 3,  24, 142, 17, "Первый",   0},
    {K::RadioButton, "RadioButton2", "GroupBox1", 3,  47, 113, 17, "Второй",   1},
    {K::Label,       "Label3",       nullptr,     8, 150, 24, 13, "Тип шлейфа"},
    {K::Label,       "Link",         nullptr,     8, 672, 60, 13, "https://example.org/zmatch"},
};
constexpr tk::TActionDesc kActions[] = {
    {"Копировать рисунок", tk::TShortcut::Copy, tk::TActionKind::CopyPicture},
    {"Сохранить рисунок…", tk::TShortcut::Save, tk::TActionKind::SavePicture,
     [](const tk::TForm&) { return std::string("Zн = 100+j50 Ом"); }},
};
// clang-format on
constexpr tk::TFormDesc kForm{"Форма", 400, 700, kControls, kActions};

class Rules : public ::testing::Test {
  protected:
    Rules() { form.Get<tk::TLabel>("Link")->Cursor = tk::TCursor::crHandPoint; }
    tk::TForm form{kForm};
};

// A caption runs under a neighbour only where its run reaches another control of its
// parent, a group box too, on its rows.
TEST_F(Rules, CaptionsRunUnderNeighboursOnly) {
    const struct {
        const char* caption;
        int width;
        bool under;
    } cases[] = {
        {"Label1", 24, false},                          // its own width
        {"Label1", 32, false},                          // up to the field, not into it
        {"Label1", 33, true},   {"Label2", 200, false}, // nothing on its rows
        {"Label3", 200, false},                         // the group ends above it
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::RunsUnderANeighbour(form, *form.FindControl(c.caption), c.width), c.under)
            << c.caption << " " << c.width;
    // Another layout's boxes: the field moved below the caption.
    const auto moved = [](const tk::TControl& c) {
        return tk::TRect{c.Left, c.Name == "Edit1" ? 100 : c.Top, c.Width, c.Height};
    };
    EXPECT_FALSE(tk::RunsUnderANeighbour(form, *form.FindControl("Label1"), 60, moved));
}

// Tab enters a group at its checked radio, or at its first while none is checked.
TEST_F(Rules, GroupStopIsTheChoiceOrTheFirst) {
    auto& first = *form.Get<tk::TRadioButton>("RadioButton1");
    auto& second = *form.Get<tk::TRadioButton>("RadioButton2");
    EXPECT_FALSE(tk::GroupHasChoice(form, first.Parent));
    EXPECT_TRUE(tk::IsGroupStop(form, first));
    EXPECT_FALSE(tk::IsGroupStop(form, second));
    second.SetChecked(true);
    EXPECT_TRUE(tk::GroupHasChoice(form, first.Parent));
    EXPECT_FALSE(tk::IsGroupStop(form, first));
    EXPECT_TRUE(tk::IsGroupStop(form, second));
}

// A link without a hint shows its whole address; a hint always wins; other labels say
// nothing of their own.
TEST_F(Rules, LinkToolTipIsItsAddress) {
    auto& link = *form.FindControl("Link");
    EXPECT_TRUE(tk::IsLink(link));
    EXPECT_FALSE(tk::IsLink(*form.FindControl("Label1")));
    EXPECT_EQ(tk::ToolTipOf(link), "https://example.org/zmatch");
    EXPECT_EQ(tk::ToolTipOf(*form.FindControl("Label1")), "");
    link.Hint = "Автор";
    EXPECT_EQ(tk::ToolTipOf(link), "Автор");
}

// Every shortcut has keys of its own, named as pressed.
TEST(ShortcutKeys, DistinctAndNamedAsPressed) {
    std::set<std::string> seen;
    for (const tk::TShortcut s :
         {tk::TShortcut::Copy, tk::TShortcut::Save, tk::TShortcut::Print, tk::TShortcut::Overlay,
          tk::TShortcut::Band, tk::TShortcut::Open, tk::TShortcut::Steps, tk::TShortcut::Methods,
          tk::TShortcut::Chain, tk::TShortcut::Choose, tk::TShortcut::Stop,
          tk::TShortcut::Exercises}) {
        const tk::TShortcutKeys keys = tk::ShortcutKeysOf(s);
        ASSERT_TRUE(keys.Any());
        const std::string named = std::string(keys.Control ? "Ctrl+" : "") +
                                  (keys.Letter   ? std::string(1, keys.Letter)
                                   : keys.Escape ? std::string("Esc")
                                                 : "F" + std::to_string(keys.FunctionKey));
        EXPECT_EQ(keys.Shown, named);
        EXPECT_TRUE(seen.insert(named).second) << named << " twice";
    }
    EXPECT_FALSE(tk::ShortcutKeysOf(tk::TShortcut::None).Any());
}

// A picture's title: the program, and what the picture shows where the form says.
TEST_F(Rules, PictureTitleNamesWhatItShows) {
    EXPECT_EQ(tk::PictureTitle("zmatch", kActions[0], form), "zmatch");
    EXPECT_EQ(tk::PictureTitle("zmatch", kActions[1], form), "zmatch — Zн = 100+j50 Ом");
}

} // namespace
