#include "chart/StepsForm.h"

#include "tests/common/ErrorRecordingHost.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ConstructionSteps.h"
#include "toolkit/Application.h"
#include "zmatch/Unit1.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using RecordingHost = testing_common::ErrorRecordingHost;

std::vector<std::uint32_t> Pixels(const tk::TCanvas& c) {
    return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
}

// zmatch's window with an application around it, the steps row run as its menu runs it.
struct Program {
    Program() {
        app.CreateForm(form, state);
        form->Edit1->Text = "100";
        form->Edit2->Text = "50";
        form->Edit3->Text = "50";
        form->Edit4->Text = "0";
    }
    void OpenSteps() {
        for (const tk::TActionDesc& a : form->Actions())
            if (a.Shortcut == tk::TShortcut::Steps) app.Dispatch([&] { a.Command(*form); });
    }
    chart::TStepsForm* Steps() const {
        const auto windows = app.Windows();
        return windows.empty() ? nullptr : dynamic_cast<chart::TStepsForm*>(windows.back());
    }
    // What the main window shows is the chart after step k, that step emphasised.
    bool ShowsStep(std::size_t k) const {
        const tk::TImage& image = *form->Image1;
        return Pixels(image.Picture()) ==
               Pixels(chart::PictureAfterStep(image.Canvas, form->Steps(), k, true));
    }
    std::size_t RowsShown() const {
        std::size_t n = 0;
        for (const tk::TLabel* row : Steps()->Rows)
            n += row->Visible;
        return n;
    }

    testing_common::ScopedDecimalSeparator comma{','};
    chart::TChartState state;
    RecordingHost host;
    tk::TApplication app{host};
    zmatch::TForm1* form = nullptr;
};

// Before any construction the row refuses with its message and opens nothing.
TEST(StepsWindow, RefusesBeforeAConstruction) {
    Program p;
    p.OpenSteps();
    EXPECT_EQ(p.host.errors, std::vector<std::string>{chart::kNoConstructionForStepsMessage});
    EXPECT_TRUE(p.app.Windows().empty());
}

// Opened after a match it lists every step and shows the first; the buttons, the arrows and
// the rows move through them, harmless at either end; the main picture is always the
// record played to the chosen step.
TEST(StepsWindow, MovesThroughTheSteps) {
    Program p;
    p.app.Click(*p.form->Button1);
    p.app.Click(*p.form->Button2);
    const std::vector<std::uint32_t> whole = Pixels(p.form->Image1->Canvas);
    const std::size_t n = p.form->Steps().size();
    ASSERT_GT(n, 5u);
    p.OpenSteps();
    chart::TStepsForm& steps = *p.Steps();
    EXPECT_EQ(p.RowsShown(), n);
    EXPECT_EQ(steps.Chosen(), 0u);
    EXPECT_TRUE(p.ShowsStep(0));
    EXPECT_NE(Pixels(p.form->Image1->Picture()), whole);

    struct Move {
        const char* what;
        std::function<void()> act;
        std::size_t to;
    };
    const auto arrow = [&](tk::TArrowKey key) { return [&, key] { p.app.ArrowKey(steps, key); }; };
    const Move moves[] = {
        {"«Назад» at the first", [&] { p.app.Click(*steps.BackButton); }, 0},
        {"«Далее»", [&] { p.app.Click(*steps.ForwardButton); }, 1},
        {"Right", arrow(tk::TArrowKey::Right), 2},
        {"Down", arrow(tk::TArrowKey::Down), 3},
        {"Up", arrow(tk::TArrowKey::Up), 2},
        {"Left", arrow(tk::TArrowKey::Left), 1},
        {"«Назад»", [&] { p.app.Click(*steps.BackButton); }, 0},
        {"the last row", [&] { p.app.Click(*steps.Rows[n - 1]); }, n - 1},
        {"«Далее» at the last", [&] { p.app.Click(*steps.ForwardButton); }, n - 1},
        {"a hidden row", [&] { p.app.Click(*steps.Rows[n]); }, n - 1},
    };
    for (const Move& m : moves) {
        m.act();
        EXPECT_EQ(steps.Chosen(), m.to) << m.what;
        EXPECT_TRUE(p.ShowsStep(m.to)) << m.what;
        EXPECT_EQ(steps.CountLabel->Caption,
                  "Шаг " + std::to_string(m.to + 1) + " из " + std::to_string(n))
            << m.what;
    }
    EXPECT_EQ(Pixels(p.form->Image1->Canvas), whole) << "the canvas itself never changes";
    EXPECT_TRUE(p.host.errors.empty());
}

// A new construction while the window is open renews the list and gives the chart back
// whole (the row chosen again, raising the open window, changes none of that); closing
// the window gives it back pixel for pixel, the grid still laid over it.
TEST(StepsWindow, FollowsTheChartAndGivesItBack) {
    Program p;
    p.app.Click(*p.form->Button1);
    p.app.Click(*p.form->Button2);
    p.OpenSteps();
    chart::TStepsForm& steps = *p.Steps();
    p.OpenSteps();
    ASSERT_EQ(p.app.Windows().size(), 1u);
    const std::size_t matched = p.RowsShown();

    p.app.Click(*p.form->Button1);
    EXPECT_LT(p.RowsShown(), matched) << "the load's steps alone";
    EXPECT_EQ(p.RowsShown(), p.form->Steps().size());
    EXPECT_FALSE(steps.Chosen());
    EXPECT_TRUE(p.form->Image1->ShowsOwn());
    p.app.Click(*p.form->Button2);
    EXPECT_EQ(p.RowsShown(), matched);

    p.app.Dispatch([&] { p.form->Image1->ShowOverlay(true); });
    const std::vector<std::uint32_t> withGrid = Pixels(p.form->Image1->Picture());
    p.app.Click(*steps.ForwardButton);
    EXPECT_NE(Pixels(p.form->Image1->Picture()), withGrid);
    p.app.Closed(steps);
    EXPECT_TRUE(p.app.Windows().empty());
    EXPECT_EQ(Pixels(p.form->Image1->Picture()), withGrid);
    p.app.Click(*p.form->Button1); // no window left to follow the chart
    EXPECT_TRUE(p.host.errors.empty());
}

// The sentences wrap at spaces into lines of at most the width, counted in letters, not in
// bytes, and lose nothing; a row keeps to its width.
TEST(StepsWindow, WrapsTheSentences) {
    Program p;
    p.app.Click(*p.form->Button1);
    p.app.Click(*p.form->Button2);
    const auto letters = [](const std::string& s) {
        std::size_t n = 0;
        for (const char c : s)
            n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return n;
    };
    for (const chart::TConstructionStep& step : p.form->Steps()) {
        const std::string wrapped = chart::Wrapped(step.Text, 60);
        std::string joined = wrapped;
        std::size_t from = 0;
        for (std::size_t to; (to = wrapped.find('\n', from)) != std::string::npos; from = to + 1) {
            EXPECT_LE(letters(wrapped.substr(from, to - from)), 60u) << step.Text;
            joined[to] = ' ';
        }
        EXPECT_LE(letters(wrapped.substr(from)), 60u) << step.Text;
        EXPECT_EQ(joined, step.Text);
        EXPECT_LE(letters(chart::RowText(step.Text, 60)), 60u) << step.Text;
    }
}

} // namespace
