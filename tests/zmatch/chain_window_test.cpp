// The chain window as F2 opens it from zmatch's window: built, reordered and tuned by the
// slider's keys with the input read following, and a load refused as «Показать точку»
// refuses it.
#include "tests/common/ErrorRecordingHost.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ChainForm.h"
#include "chart/ChainRows.h"
#include "toolkit/Application.h"
#include "toolkit/Conversions.h"
#include "zmatch/Unit1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kSeriesC = 2, kLine = 6; // rows of the list of kinds

struct Program {
    explicit Program(const char* rn = "100", const char* xn = "50", const char* xv = "0") {
        app.CreateForm(form, state);
        form->TypeLoad(rn, xn, "50", xv);
        for (const tk::TActionDesc& a : form->Actions())
            if (a.Shortcut == tk::TShortcut::Chain) app.Dispatch([&] { a.Command(*form); });
        chain =
            app.Windows().empty() ? nullptr : dynamic_cast<chart::TChainForm*>(app.Windows()[0]);
    }
    void Add(int kind) {
        app.Select(*chain->KindList, kind);
        app.Click(*chain->AddButton);
    }
    std::string Input() const { return chain->InputLabel->Caption; }
    std::vector<std::uint32_t> Picture() const {
        const tk::TCanvas& c = chain->Picture->Canvas;
        return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
    }

    testing_common::ScopedDecimalSeparator comma{','};
    chart::TChartState state;
    testing_common::ErrorRecordingHost host;
    tk::TApplication app{host};
    zmatch::TForm1* form = nullptr;
    chart::TChainForm* chain = nullptr;
};

bool Says(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// 100+j50 Ω: a series C of 50 Ω cancels the load's reactance, λ/8 of the 50 Ω line then turns
// 100 Ω into 40-j30 (Г = 1/3 turned a quarter round); the line first gives 50-j50, and the C
// after it 50-j100.
TEST(ChainWindow, BuildsReordersAndRemovesWithTheInputFollowing) {
    Program p;
    ASSERT_NE(p.chain, nullptr);
    EXPECT_TRUE(Says(p.Input(), "Z = 100,00+j50,00 Ом")) << p.Input();
    const auto bare = p.Picture();
    const struct {
        const char* step;
        std::function<void(Program&)> act;
        const char* input;
    } steps[] = {
        {"add a series C", [](Program& q) { q.Add(kSeriesC); }, "Z = 100,00+j0,00 Ом"},
        {"add a line", [](Program& q) { q.Add(kLine); }, "Z = 40,00-j30,00 Ом"},
        {"move the C down",
         [](Program& q) {
             q.app.Select(*q.chain->ElementList, 1);
             q.app.Click(*q.chain->DownButton);
         },
         "Z = 50,00-j100,00 Ом"},
        {"and up again", [](Program& q) { q.app.Click(*q.chain->UpButton); },
         "Z = 40,00-j30,00 Ом"},
        {"remove the line",
         [](Program& q) {
             q.app.Select(*q.chain->ElementList, 2);
             q.app.Click(*q.chain->RemoveButton);
         },
         "Z = 100,00+j0,00 Ом"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.act(p);
        EXPECT_TRUE(Says(p.Input(), s.input)) << p.Input();
        EXPECT_EQ(p.chain->ElementList->Rows().size(), p.chain->Chain().Elements.size() + 1);
    }
    EXPECT_TRUE(p.host.errors.empty());
    EXPECT_NE(p.Picture(), bare);
}

// The slider's keys tune the selected element around its value: an arrow by 10^(2/1000),
// PageUp by 25 such steps; the input's reactance follows, 50 - |XC|.
TEST(ChainWindow, SliderKeysTuneTheSelectedElement) {
    Program p;
    ASSERT_NE(p.chain, nullptr);
    p.Add(kSeriesC);
    const struct {
        tk::TSliderKey key;
        int steps; // from the start, in arrow steps
    } keys[] = {{tk::TSliderKey::Right, 1},
                {tk::TSliderKey::PageUp, 26},
                {tk::TSliderKey::Left, 25},
                {tk::TSliderKey::PageDown, 0}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.steps);
        const auto before = p.Picture();
        p.app.Key(*p.chain->ValueSlider, k.key);
        const double xc = 50 * std::pow(10.0, 2.0 * k.steps / 1000);
        EXPECT_NEAR(p.chain->Chain().Elements[0].Value, xc, 1e-9);
        const theory::TComplex z = theory::InputOhms(p.chain->Chain(), {100, 50}, 1);
        EXPECT_NEAR(z.imag(), 50 - xc, 1e-9);
        EXPECT_TRUE(Says(p.Input(), "Z = 100,00" + std::string(50 - xc < 0 ? "-j" : "+j") +
                                        tk::FloatToStrF(std::fabs(50 - xc), 15, 2)))
            << p.Input();
        EXPECT_NE(p.Picture(), before);
    }
}

// The fields: a λ/4 line of its own 100 Ω turns 100+j50 into 100²/(100+j50) = 80-j40; a
// frequency writes a C of 50 Ω in pF; what does not read, or does not apply, is refused with
// its message and changes nothing.
TEST(ChainWindow, FieldsSetValuesOrAreRefused) {
    Program p;
    ASSERT_NE(p.chain, nullptr);
    p.Add(kLine);
    p.Add(kSeriesC);
    p.app.Select(*p.chain->ElementList, 1);
    const struct {
        const char* what;
        tk::TEdit* field;
        const char* text;
        tk::TButton* button;
        const char* error; // how the message begins; empty: none
    } steps[] = {
        {"a quarter wave", p.chain->ValueEdit, "0,25", p.chain->ValueButton, ""},
        {"of 100 Ω", p.chain->OwnLineEdit, "100", p.chain->OwnLineButton, ""},
        {"no negative length", p.chain->ValueEdit, "-1", p.chain->ValueButton, "Значение: "},
        {"no frequency of letters", p.chain->FrequencyEdit, "abc", p.chain->FrequencyButton,
         "f0, МГц: «abc» не является числом"},
        {"100 MHz", p.chain->FrequencyEdit, "100", p.chain->FrequencyButton, ""},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        p.host.errors.clear();
        const theory::TChain before = p.chain->Chain();
        s.field->Text = s.text;
        p.app.Click(*s.button);
        if (*s.error) {
            ASSERT_EQ(p.host.errors.size(), 1u);
            EXPECT_EQ(p.host.errors[0].rfind(s.error, 0), 0u) << p.host.errors[0];
            EXPECT_EQ(p.chain->Chain(), before);
        } else {
            EXPECT_TRUE(p.host.errors.empty());
        }
    }
    const theory::TComplex z = theory::NodeOhms(p.chain->Chain(), {100, 50}, 1)[1];
    EXPECT_NEAR(std::abs(z - theory::TComplex(80, -40)), 0, 1e-9);
    EXPECT_EQ(p.chain->ElementList->Rows()[2][2], "31,83 пФ"); // 1/(2π·100 MHz·50 Ω)
    p.app.Select(*p.chain->ElementList, 2);
    p.app.Click(*p.chain->OwnLineButton);
    EXPECT_EQ(p.host.errors.back(), chart::kOwnLineMessage);
}

// A load «Показать точку» refuses is refused with its message, and no window opens; a line
// with a reactance has a message of its own.
TEST(ChainWindow, RefusesWhatShowPointRefuses) {
    const struct {
        const char *rn, *xn, *xv;
    } loads[] = {{"abc", "50", "0"}, {"-10", "20", "0"}, {"100", "", "0"}, {"100", "50", "10"}};
    for (const auto& l : loads) {
        SCOPED_TRACE(std::string(l.rn) + " " + l.xn + " " + l.xv);
        Program p(l.rn, l.xn, l.xv);
        EXPECT_EQ(p.chain, nullptr);
        ASSERT_EQ(p.host.errors.size(), 1u);
        const std::string message = p.host.errors.back();
        if (std::string(l.xv) != "0") {
            EXPECT_EQ(message, chart::kChainLineMessage);
            continue;
        }
        p.app.Click(*p.form->Button1);
        ASSERT_EQ(p.host.errors.size(), 2u);
        EXPECT_EQ(p.host.errors.back(), message);
    }
}

} // namespace
