// The construction step by step: its sentences carry the numbers the labels print, each
// step's picture is the chart as it stood then, and the list follows the presses.
#include "tests/zmatch/ZmatchTesting.h"

#include "chart/ConstructionSteps.h"
#include "toolkit/CanvasLog.h"
#include "toolkit/Font.h"
#include "zmatch/StubMatch.h"

#include "tests/common/PictureHash.h"

#include <gtest/gtest.h>

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
        EXPECT_NE(steps[4].Text.find("y = 1/z = " + Value(*w.form.Label6, "Y'вх. = ")),
                  std::string::npos)
            << steps[4].Text;
        EXPECT_NE(steps[5].Text.find("d = " + Value(*w.form.Label11, "нагр.= ") + " λ"),
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

} // namespace
