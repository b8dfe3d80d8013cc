// The methods window laid out from its list: another method is its own line in a list and
// nothing more, a radio button and the rows of the options it reads, which its Solve gets
// read from them.
#include "zmatch/MethodOptions.h"
#include "zmatch/MethodsForm.h"
#include "zmatch/MethodsLayout.h"

#include "tests/zmatch/ZmatchTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using zmatch::methods::TMethod;
using zmatch::methods::TMethodInput;
using zmatch::methods::TMethodOutcome;
using zmatch::methods::TOptionKind;

// What the fake method was handed by «Решить».
TMethodInput gSolved;

TMethodOutcome SolveFake(const TMethodInput& input) {
    gSolved = input;
    TMethodOutcome out;
    out.Solutions.push_back({"одно", tk::clBlack, "x = 1", "x = 1", {}, {}, {}, {}, 1});
    out.Draw = [](tk::TCanvas&, chart::TStepMarks&) {};
    return out;
}

std::vector<std::string> NoExact(const TMethodInput&) {
    return {};
}

constexpr TMethod kFakeByFrequency{
    "fake", "Пятый способ", SolveFake, NoExact, zmatch::methods::Only(TOptionKind::Frequency),
    true};
constexpr TMethod kFakeBySpacing{
    "spaced", "Шестой способ", SolveFake, NoExact, TOptionKind::Spacing | TOptionKind::Wavelength,
    true};
constexpr TMethod kFakeByNothing{"bare", "Седьмой способ", SolveFake, NoExact, {}, true};

std::vector<TMethod> WithFake(const TMethod& fake) {
    const auto real = zmatch::methods::Methods();
    std::vector<TMethod> list(real.begin(), real.end());
    list.push_back(fake);
    list[2].ChosenAtStart = false;
    return list;
}

const tk::TControlDesc* Named(const zmatch::TMethodsLayout& layout, const std::string& name) {
    for (const tk::TControlDesc& d : layout.Controls)
        if (name == d.Name) return &d;
    return nullptr;
}

// A fifth method: a radio button below the fourth, and every row below the methods one
// button lower, in the same tab order.
TEST(MethodsLayout, AFifthMethodMovesTheRowsBelowByOneButton) {
    const std::vector<TMethod> five = WithFake(kFakeByFrequency);
    const zmatch::TMethodsLayout before = zmatch::MethodsLayout(zmatch::methods::Methods());
    const zmatch::TMethodsLayout after = zmatch::MethodsLayout(five);
    ASSERT_EQ(after.Controls.size(), before.Controls.size() + 1);
    const tk::TControlDesc* fifth = Named(after, zmatch::MethodButtonName(4));
    ASSERT_NE(fifth, nullptr);
    EXPECT_STREQ(fifth->Caption, "Пятый способ");
    EXPECT_EQ(fifth->Top - Named(after, zmatch::MethodButtonName(3))->Top, 22);
    for (const tk::TControlDesc& d : before.Controls) {
        SCOPED_TRACE(d.Name);
        const tk::TControlDesc* moved = Named(after, d.Name);
        ASSERT_NE(moved, nullptr);
        const bool below = !d.Parent && d.Top > 8;
        EXPECT_EQ(moved->Top - d.Top, below ? 22 : 0);
        EXPECT_EQ(moved->TabOrder, d.TabOrder);
    }
}

// The rows are those of the options the list reads, and «Решить» hands the method its own
// options read from them; the others stay at their defaults.
TEST(MethodsLayout, AMethodGetsTheOptionsItReads) {
    const struct {
        const char* intent;
        TMethod fake;
        std::vector<TOptionKind> rows; // the option rows the window has with it alone
        double hz, spacing;
    } cases[] = {
        {"a frequency", kFakeByFrequency, {TOptionKind::Frequency}, 1e9, 0.125},
        {"a spacing and the wavelength", kFakeBySpacing, {TOptionKind::Spacing}, 0, 0.25},
        {"nothing", kFakeByNothing, {}, 0, 0.125},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.intent);
        testing_zmatch::Window main;
        main.TypeLoad("100", "50", "50", "0");
        const std::vector<TMethod> alone = {c.fake};
        zmatch::TMethodsForm w(main.form, alone);
        for (const zmatch::TOptionDesc& d : zmatch::OptionKinds()) {
            const bool row = std::find(c.rows.begin(), c.rows.end(), d.Kind) != c.rows.end();
            EXPECT_EQ(d.Name && w.FindControl(d.Name), row) << d.Flag;
        }
        w.TypeOption(TOptionKind::Frequency, "1 ГГц");
        w.TypeOption(TOptionKind::Spacing, "0,25");
        gSolved = {};
        w.SolveClick(w.SolveButton);
        EXPECT_EQ(gSolved.Options.Hz, c.hz);
        EXPECT_EQ(gSolved.Options.Spacing, c.spacing);
        EXPECT_EQ(w.SolutionLabels[0]->Caption, "1. x = 1");
    }
}

} // namespace
