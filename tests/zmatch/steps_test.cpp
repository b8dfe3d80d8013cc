// The construction step by step: its sentences carry the numbers the labels print, each
// step's picture is the chart as it stood then, and the list follows the presses.
#include "tests/zmatch/ZmatchTesting.h"

#include "chart/ConstructionSteps.h"
#include "chart/StepsForm.h"
#include "toolkit/CanvasLog.h"
#include "toolkit/Font.h"
#include "zmatch/StubMatch.h"

#include "tests/common/PictureHash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using testing_common::Hex;
using testing_common::PictureHash;
using testing_zmatch::Window;

namespace {

constexpr std::size_t kLoadSteps = 4, kStubSteps = 5;

std::vector<std::uint32_t> Pixels(const tk::TCanvas& c) {
    return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
}

// What a label prints after its own words: "l. раст. от нагр.= 0,204" gives "0,204".
std::string Value(const tk::TLabel& label, const std::string& after) {
    const std::size_t at = label.Caption.find(after);
    return at == std::string::npos ? "?" : label.Caption.substr(at + after.size());
}

// A press of «Согласовать» that keeps the record the load's steps were noted in.
void Match(Window& w, bool shortStub, const char* wavelength = "1") {
    (shortStub ? w.form.RadioButton1 : w.form.RadioButton2)->SetChecked(true);
    w.form.Edit6->Text = wavelength;
    w.form.Button2Click(w.form.Button2);
}

// The worked loads, both stubs: every step's numbers are the labels', the load's last
// picture is the chart as «Показать точку» left it, the last one is the canvas (pinned),
// after the record has been trimmed from its front as the application trims it.
TEST(ConstructionSteps, NumbersAndPicturesOfTheWorkedLoads) {
    struct Case {
        const char *rn, *xn;
        bool shortStub;
        std::uint64_t hash; // 0: not among the pinned pictures
    };
    const Case cases[] = {
        {"100", "50", true, 0},
        {"50", "50", true, 0x5c8c12953afe569au},
        {"50", "50", false, 0x69334ccc75c89ac8u},
        {"20", "-35", true, 0xf37db46a4c1b0a4cu},
        {"150", "0", true, 0x29c33ccddcc562c5u},
    };
    const bool tahoma = tk::Font::Default().Family() == "Tahoma";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rn) + " " + c.xn + (c.shortStub ? " short" : " open"));
        Window w;
        w.ShowLoad(c.rn, c.xn);
        const std::vector<std::uint32_t> shown = w.Picture();
        ASSERT_EQ(w.form.Steps().size(), kLoadSteps);
        Match(w, c.shortStub);
        const chart::TConstructionSteps& steps = w.form.Steps();
        ASSERT_EQ(steps.size(), kLoadSteps + kStubSteps);

        const std::string z = Value(*w.form.Label3, "Zнн=");
        EXPECT_NE(steps[0].Text.find("= " + z + "."), std::string::npos) << steps[0].Text;
        EXPECT_NE(steps[3].Text.find("z = " + z), std::string::npos) << steps[3].Text;
        EXPECT_NE(steps[4].Text.find("y = " + Value(*w.form.Label6, "Y'вх. = ") + "."),
                  std::string::npos)
            << steps[4].Text;
        EXPECT_NE(steps[5].Text.find("≈ " + Value(*w.form.Label11, "нагр.= ") + " λ"),
                  std::string::npos)
            << steps[5].Text;
        EXPECT_NE(steps[7].Text.find("l = " + Value(*w.form.Label12, "шл. = ") + " λ"),
                  std::string::npos)
            << steps[7].Text;
        EXPECT_NE(steps[7].Text.find(c.shortStub ? "короткого замыкания" : "холостого хода"),
                  std::string::npos);

        tk::TCanvas& canvas = w.form.Image1->Canvas;
        tk::DropHiddenCalls(canvas);
        EXPECT_EQ(Pixels(chart::PictureAfterStep(canvas, steps, kLoadSteps - 1, false)), shown);
        const tk::TCanvas last = chart::PictureAfterStep(canvas, steps, steps.size() - 1, false);
        EXPECT_EQ(Pixels(last), w.Picture());
        if (c.hash && tahoma) {
            EXPECT_EQ(Hex(PictureHash(Pixels(last))), Hex(c.hash));
        }
    }
}

// Each step's picture is the record played back up to its end, steps in drawing order;
// the emphasis redraws only the step's own calls, and only the steps that draw.
TEST(ConstructionSteps, PicturesArePrefixesOfTheRecord) {
    Window w;
    w.ShowLoad("100", "50");
    Match(w, true);
    const chart::TConstructionSteps& steps = w.form.Steps();
    const tk::TCanvas& canvas = w.form.Image1->Canvas;
    std::size_t previous = 0;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        SCOPED_TRACE(k);
        const std::size_t end = w.log.size() - steps[k].EndFromRecordEnd;
        EXPECT_GE(end, previous);
        EXPECT_LE(steps[k].Calls, end - previous);
        previous = end;
        tk::TCanvas replayed(canvas.Width(), canvas.Height());
        tk::Replay(replayed, std::span(w.log).first(end));
        EXPECT_EQ(Pixels(chart::PictureAfterStep(canvas, steps, k, false)), Pixels(replayed));
        // The normalisation draws nothing; every other step draws its lines.
        EXPECT_EQ(Pixels(chart::PictureAfterStep(canvas, steps, k, true)) != Pixels(replayed),
                  k != 0)
            << steps[k].Text;
    }
}

// «Показать точку» starts the list afresh, «Согласовать» replaces the stub's steps after
// the load's, a refused press of either leaves the list as it was.
TEST(ConstructionSteps, TheListFollowsThePresses) {
    Window w;
    EXPECT_TRUE(w.form.Steps().empty());
    EXPECT_THROW(Match(w, true), tk::Exception); // no load yet
    EXPECT_TRUE(w.form.Steps().empty());
    w.ShowLoad("100", "50");
    Match(w, true);
    Match(w, false);
    ASSERT_EQ(w.form.Steps().size(), kLoadSteps + kStubSteps);
    EXPECT_NE(w.form.Steps().back().Text.find("y = 1"), std::string::npos);
    const chart::TConstructionSteps before = w.form.Steps();
    const auto same = [&] {
        ASSERT_EQ(w.form.Steps().size(), before.size());
        for (std::size_t k = 0; k < before.size(); ++k) {
            EXPECT_EQ(w.form.Steps()[k].Text, before[k].Text);
            EXPECT_EQ(w.form.Steps()[k].EndFromRecordEnd, before[k].EndFromRecordEnd);
        }
    };
    EXPECT_THROW(Match(w, true, "-1"), tk::Exception);
    same();
    EXPECT_THROW(w.ShowLoad("abc", "50"), tk::Exception);
    same();
    w.ShowLoad("50", "0"); // matched: its stub is refused, its load's steps stand alone
    EXPECT_THROW(Match(w, true), tk::Exception);
    EXPECT_EQ(w.form.Steps().size(), kLoadSteps);
}

// Without a record the sentences stand; every picture is the canvas as it is.
TEST(ConstructionSteps, ACanvasWithoutARecord) {
    Window w;
    w.form.Image1->Canvas.Log = nullptr;
    w.ShowLoad("100", "50");
    Match(w, true);
    const chart::TConstructionSteps& steps = w.form.Steps();
    ASSERT_EQ(steps.size(), kLoadSteps + kStubSteps);
    for (const chart::TConstructionStep& s : steps)
        EXPECT_EQ(s.EndFromRecordEnd + s.Calls, 0u);
    EXPECT_EQ(Pixels(chart::PictureAfterStep(w.form.Image1->Canvas, steps, 1, true)), w.Picture());
}

// The number written at `at` ("0,4635"), or NaN where none is.
double Number(const std::string& s, std::size_t at) {
    std::string digits;
    for (; at < s.size() && (std::isdigit(static_cast<unsigned char>(s[at])) || s[at] == ','); ++at)
        digits += s[at] == ',' ? '.' : s[at];
    return digits.empty() ? std::nan("") : std::stod(digits);
}

// The turn's d adds up from the places it shows ("d = 0,5 - A + M = s ≈ label"), and every
// place it reads lies on the scale, from 0 to below 0,5.
TEST(ConstructionSteps, TheTurnAddsUpOnTheScale) {
    const char* const loads[][3] = {
        {"100", "50", "short"}, {"20", "0", "open"},   {"25", "-25", "short"},
        {"50", "50", "short"},  {"20", "-35", "open"}, {"2", "100", "short"},
    };
    for (const auto& load : loads) {
        SCOPED_TRACE(std::string(load[0]) + " " + load[1] + " " + load[2]);
        Window w;
        w.ShowLoad(load[0], load[1]);
        Match(w, load[2] == std::string("short"));
        const std::string& turn = w.form.Steps()[5].Text;
        const std::string start = "генератору от ", end = " до ";
        const std::size_t from = turn.find(start) + start.size();
        const std::size_t to = turn.find(end, from) + end.size();
        for (const std::size_t at : {from, to})
            EXPECT_TRUE(Number(turn, at) >= 0 && Number(turn, at) < 0.5) << turn;
        std::size_t at = turn.find("d = ");
        ASSERT_NE(at, std::string::npos) << turn;
        at += 4;
        double sum = 0, sign = 1;
        for (std::string op; op != " = ";) {
            sum += sign * Number(turn, at);
            at = turn.find(' ', at);
            ASSERT_NE(at, std::string::npos) << turn;
            op = turn.substr(at, 3);
            ASSERT_TRUE(op == " + " || op == " - " || op == " = ") << turn;
            sign = op == " - " ? -1 : 1;
            at += 3;
        }
        EXPECT_NEAR(sum, Number(turn, at), 1e-9) << turn;
        EXPECT_NE(turn.find(" ≈ " + Value(*w.form.Label11, "нагр.= ") + " λ"), std::string::npos)
            << turn;
        EXPECT_EQ(w.form.Steps()[3].Text.find("0,500 λ"), std::string::npos)
            << w.form.Steps()[3].Text;
    }
}

// Each sentence says what is so for the loads the chart gets wrong in words: a reading is no
// identity, the turn names the crossing it passes and a load already on g = 1, and the
// junction what the printed answer gives when built. Each fits the steps window's six lines.
TEST(ConstructionSteps, TheSentencesSayWhatIsSo) {
    struct Case {
        const char *rn, *xn;
        bool shortStub;
        std::size_t step;
        std::vector<const char*> says, never;
    };
    const Case cases[] = {
        {"20", "0", false, 3, {"0,000 λ", "0,500"}, {"0,500 λ"}},
        {"20", "0", false, 4, {"y = 2,49+j0,00"}, {"1/z = 2,49"}},
        {"20", "0", false, 5, {"второе решение", "0,08975 λ", "b ≥ 0"}, {}},
        {"100", "50", true, 5, {}, {"второе решение", "линия не нужна"}},
        {"25", "-25", true, 5, {"линия не нужна", "d + 0,5 λ"}, {}},
        {"2", "100", true, 8, {"КСВ = 2,15", "пиксель", "0,30958 λ", "0,01431 λ"}, {"Г = 0"}},
        {"100", "50", true, 8, {"Г = 0."}, {"КСВ ="}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rn) + " " + c.xn + " step " + std::to_string(c.step + 1));
        Window w;
        w.ShowLoad(c.rn, c.xn);
        Match(w, c.shortStub);
        const chart::TConstructionStep& step = w.form.Steps()[c.step];
        for (const char* part : c.says)
            EXPECT_NE(step.Text.find(part), std::string::npos) << step.Text;
        for (const char* part : c.never)
            EXPECT_EQ(step.Text.find(part), std::string::npos) << step.Text;
        for (const chart::TConstructionStep& s : w.form.Steps()) {
            const std::string wrapped = chart::Wrapped(s.Text + " (точно: " + s.Exact + ")", 100);
            EXPECT_LE(std::count(wrapped.begin(), wrapped.end(), '\n'), 5) << s.Text;
        }
    }
}

} // namespace
