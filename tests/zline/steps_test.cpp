// The load's and the move's constructions step by step: the sentences carry the numbers
// the labels print, and each press's last picture is the canvas as that press left it.
#include "tests/zline/ZlineTesting.h"

#include "chart/ConstructionSteps.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using testing_zline::Window;

namespace {

std::vector<std::uint32_t> Pixels(const tk::TCanvas& c) {
    return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
}

std::string Value(const tk::TLabel& label, const std::string& after) {
    const std::size_t at = label.Caption.find(after);
    return at == std::string::npos ? "?" : label.Caption.substr(at + after.size());
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Both directions, with and without loss, with and without the mirror images: the figures,
// places and impedances in the sentences are the labels', the loss says which way |Г| goes.
TEST(ConstructionSteps, NumbersAndPicturesOfTheWorkedMoves) {
    struct Case {
        const char *rn, *xn;
        bool mirrors, towardGenerator;
        const char* attenuation;
        const char* loss; // what the loss step says
    };
    const Case cases[] = {
        {"50", "50", false, true, "2", "уменьшает |Г|"},
        {"50", "50", true, false, "2", "увеличивает |Г|"},
        {"100", "-30", false, true, "0", "Линия без потерь"},
        {"20", "10", true, false, "0", "Линия без потерь"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rn) + " " + c.xn + " " + c.attenuation);
        Window w;
        w.TypeLoad(c.rn, c.xn, "50", "0");
        w.form.CheckBox1->Checked = c.mirrors;
        w.form.Button1Click(w.form.Button1);
        const std::size_t loadSteps = 4 + (c.mirrors ? 2 : 1);
        ASSERT_EQ(w.form.Steps().size(), loadSteps);
        const std::vector<std::uint32_t> shown = w.Picture();
        const std::string from = Value(*w.form.Label7, "= ");
        const std::string figures = w.form.Steps().back().Text;
        for (const tk::TLabel* label : {w.form.Label8, w.form.Label9, w.form.Label10})
            EXPECT_TRUE(Has(figures, label->Caption)) << figures << " / " << label->Caption;

        (c.towardGenerator ? w.form.RadioButton1 : w.form.RadioButton2)->SetChecked(true);
        w.form.Edit5->Text = "0,3";
        w.form.Edit6->Text = "1";
        w.form.Edit7->Text = c.attenuation;
        w.form.Button2Click(w.form.Button2);
        const chart::TConstructionSteps& steps = w.form.Steps();
        ASSERT_EQ(steps.size(), loadSteps + 3);
        const std::string& turn = steps[loadSteps].Text;
        EXPECT_TRUE(Has(turn, "от " + from) && Has(turn, Value(*w.form.Label7, "= "))) << turn;
        EXPECT_TRUE(Has(turn, c.towardGenerator ? "к генератору" : "к нагрузке")) << turn;
        EXPECT_TRUE(Has(steps[loadSteps + 1].Text, c.loss)) << steps[loadSteps + 1].Text;
        const std::string& point = steps.back().Text;
        EXPECT_TRUE(Has(point, "z = " + Value(*w.form.Label6, "R+jX= "))) << point;
        EXPECT_TRUE(Has(point, "Z = z·Zв = " + Value(*w.form.Label12, "R+ jX =") + " Ом")) << point;

        const tk::TCanvas& canvas = w.form.Image1->Canvas;
        EXPECT_EQ(Pixels(chart::PictureAfterStep(canvas, steps, loadSteps - 1, false)), shown);
        EXPECT_EQ(Pixels(chart::PictureAfterStep(canvas, steps, steps.size() - 1, false)),
                  w.Picture());
    }
}

// The move's sentences say which way the point really turns and what |Г| really does, read
// places on the scale from 0 to 0,5 (and what a label shows where it differs), give readings
// as readings, and name the chart's weaker loss scale.
TEST(ConstructionSteps, TheMoveSaysWhatIsSo) {
    struct Case {
        const char *rn, *xn;
        bool mirrors, towardGenerator;
        const char *l, *attenuation;
        std::size_t back; // the step, counted from the end: 3 the turn, 2 the loss
        std::vector<const char*> says, never;
    };
    // clang-format off
    const Case cases[] = {
        {"50", "50", false, true, "-0,1", "2", 3, {"на 0,1 к нагрузке, против часовой"}, {"по часовой"}},
        {"50", "50", false, true, "-0,1", "2", 2, {"увеличивает |Г|"}, {"уменьшает"}},
        {"50", "50", false, false, "-0,1", "2", 3, {"на 0,1 к генератору, по часовой"}, {"против"}},
        {"50", "50", false, false, "-0,1", "2", 2, {"уменьшает |Г|"}, {"увеличивает"}},
        {"50", "50", false, false, "0,3", "2", 3, {"до 0,3619", "-0,1381"}, {"до -0,1381"}},
        {"20", "0", false, true, "0,3", "0", 3, {"от 0,0000", "0,5000"}, {"от 0,5000"}},
        {"50", "50", false, true, "0,3", "2", 2, {"5 %", "0,2184", "0,2303"}, {}},
        {"20", "0", true, true, "0,3", "0", 5, {"y = 1/z", "2,49+j0,00"}, {"1/z = 2,49"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rn) + " " + c.xn + " l = " + c.l + ", A = " + c.attenuation);
        Window w;
        w.ShowLoad(c.rn, c.xn, c.mirrors);
        w.Move(c.towardGenerator, c.l, "1", c.attenuation);
        const std::string& text = w.form.Steps()[w.form.Steps().size() - c.back].Text;
        for (const char* part : c.says)
            EXPECT_TRUE(Has(text, part)) << text;
        for (const char* part : c.never)
            EXPECT_FALSE(Has(text, part)) << text;
    }
}

// A loss typed "0,0" is no loss, as "0" is: the steps and the hint say the same, but for the
// dashed circle the chart draws for "0,0"; a lossless hint never calls the line lossy nor
// writes a zero with a minus.
TEST(ConstructionSteps, ALossOfZeroHoweverTyped) {
    std::vector<std::string> loss, hint;
    for (const char* zero : {"0", "0,0"}) {
        Window w;
        w.ShowLoad("20", "0");
        w.Move(true, "0,5", "1", zero);
        loss.push_back(w.form.Steps()[w.form.Steps().size() - 2].Text);
        hint.push_back(w.form.Label6->Hint);
        EXPECT_FALSE(Has(hint.back(), "с потерями")) << hint.back();
        EXPECT_FALSE(Has(hint.back(), "-j0,00000")) << hint.back();
    }
    EXPECT_TRUE(Has(loss[0], "Линия без потерь")) << loss[0];
    EXPECT_EQ(loss[1].substr(0, loss[0].size() - 1), loss[0].substr(0, loss[0].size() - 1));
    EXPECT_EQ(hint[0], hint[1]);
}

} // namespace
