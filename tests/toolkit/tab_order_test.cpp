#include "toolkit/TabOrder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using K = tk::TControlKind;

struct Case {
    const char* intent;
    std::vector<tk::TControlDesc> controls;
    std::vector<std::string> expected;
};

std::vector<std::string> Names(const std::vector<tk::TControl*>& controls) {
    std::vector<std::string> names;
    for (const tk::TControl* c : controls)
        names.push_back(c->Name);
    return names;
}

// Tab follows the designed tab order, not the order on screen or in the form.
TEST(TabSequence, FollowsDesignedOrder) {
    const Case cases[] = {
        {"ascending tab order, whatever the form order",
         {{K::Edit, "A", nullptr, 0, 0, 10, 10, "", 2},
          {K::Edit, "B", nullptr, 0, 0, 10, 10, "", 0},
          {K::Button, "C", nullptr, 0, 0, 10, 10, "", 1}},
         {"B", "C", "A"}},
        {"equal tab orders keep the form order",
         {{K::Edit, "X", nullptr, 0, 0, 10, 10, "", 0},
          {K::CheckBox, "Y", nullptr, 0, 0, 10, 10, "", 0}},
         {"X", "Y"}},
        {"no stop without a tab order, and never a label or an image",
         {{K::Label, "L", nullptr, 0, 0, 10, 10, "", 0},
          {K::Image, "I", nullptr, 0, 0, 10, 10, "", 1},
          {K::Button, "Off", nullptr, 0, 0, 10, 10, "", -1},
          {K::Edit, "E", nullptr, 0, 0, 10, 10, "", 2}},
         {"E"}},
        {"a group box's stops, in their own order, stand in the group box's place",
         {{K::Edit, "E", nullptr, 0, 0, 10, 10, "", 0},
          {K::GroupBox, "G", nullptr, 0, 0, 10, 10, "", 1},
          {K::RadioButton, "R1", "G", 0, 0, 10, 10, "", 1},
          {K::RadioButton, "R2", "G", 0, 0, 10, 10, "", 0},
          {K::Button, "B", nullptr, 0, 0, 10, 10, "", 2}},
         {"E", "R2", "R1", "B"}},
        {"a group box without a tab order comes after its parent's stops",
         {{K::GroupBox, "G", nullptr, 0, 0, 10, 10, "", -1},
          {K::CheckBox, "C", "G", 0, 0, 10, 10, "", 0},
          {K::Edit, "E", nullptr, 0, 0, 10, 10, "", 5}},
         {"E", "C"}},
        {"a list and a slider are stops like a field",
         {{K::SliderValue, "S", nullptr, 0, 0, 10, 10, "", 1},
          {K::RowList, "L", nullptr, 0, 0, 10, 10, "", 0}},
         {"L", "S"}},
    };
    for (const Case& c : cases) {
        const tk::TForm form(tk::TFormDesc{"", 100, 100, c.controls});
        EXPECT_EQ(Names(tk::TabSequence(form)), c.expected) << c.intent;
    }
}

} // namespace
