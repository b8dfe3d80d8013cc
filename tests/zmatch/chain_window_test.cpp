// The chain window as F2 opens it from zmatch's window: built, reordered and tuned by the
// slider's keys with the input read following, and a load refused as «Показать точку»
// refuses it.
#include "tests/common/ErrorRecordingHost.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ChainFields.h"
#include "chart/ChainForm.h"
#include "chart/ChainRows.h"
#include "chart/ChainTuning.h"
#include "chart/Frame.h"
#include "theory/ChainPath.h"
#include "toolkit/Application.h"
#include "toolkit/Conversions.h"
#include "zmatch/Unit1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
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

// The element's other fields: a C's Q, a line's loss, a line's 25 mm at vf 0,66 and 100 MHz
// (0,025·1e8/(0,66·299792458) λ); each refused with its message, nothing changed, where the
// text does not read or the element has no such field.
TEST(ChainWindow, QLossAndMillimetresSetOrAreRefused) {
    Program p;
    ASSERT_NE(p.chain, nullptr);
    p.Add(kLine);
    p.Add(kSeriesC);
    chart::TChainForm& w = *p.chain;
    const double mm25 = 0.025 * 100e6 / (0.66 * 299792458.0);
    const struct {
        const char* what;
        int row;
        std::vector<std::pair<tk::TEdit*, const char*>> fields;
        tk::TButton* button;
        const char* error; // how the message begins; empty: none
        std::function<bool(const theory::TChainElement&)> holds;
    } steps[] = {
        {"mm before a frequency", 1, {{w.MillimetresEdit, "25"}, {w.VfEdit, "0,66"}},
         w.MillimetresButton, chart::kMillimetresFrequencyMessage, nullptr},
        {"100 MHz", 1, {{w.FrequencyEdit, "100"}}, w.FrequencyButton, "", nullptr},
        {"25 mm at 0,66", 1, {{w.MillimetresEdit, "25"}, {w.VfEdit, "0,66"}}, w.MillimetresButton,
         "", [&](const auto& e) { return std::fabs(e.Value - mm25) < 1e-12 && e.Vf == 0; }},
        {"vf above 1", 1, {{w.MillimetresEdit, "25"}, {w.VfEdit, "1,5"}}, w.MillimetresButton,
         "Коэффициент укорочения: ", nullptr},
        {"no length", 1, {{w.MillimetresEdit, "0"}, {w.VfEdit, "0,66"}}, w.MillimetresButton,
         "Длина, мм: ", nullptr},
        {"0,5 dB/λ", 1, {{w.LossEdit, "0,5"}}, w.LossButton, "",
         [](const auto& e) { return e.Loss == 0.5; }},
        {"no gain", 1, {{w.LossEdit, "-1"}}, w.LossButton, "Потери, дБ/λ: ", nullptr},
        {"no Q on a line", 1, {{w.QEdit, "50"}}, w.QButton, chart::kQMessage, nullptr},
        {"Q 50", 2, {{w.QEdit, "50"}}, w.QButton, "", [](const auto& e) { return e.Q == 50; }},
        {"no Q of 0", 2, {{w.QEdit, "0"}}, w.QButton, "Q: ", nullptr},
        {"no Q of letters", 2, {{w.QEdit, "abc"}}, w.QButton, "Q: «abc»", nullptr},
        {"no loss on a C", 2, {{w.LossEdit, "1"}}, w.LossButton, chart::kLineOnlyMessage, nullptr},
        {"lossless again", 2, {{w.QEdit, ""}}, w.QButton, "", [](const auto& e) { return e.Q == 0; }},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        p.app.Select(*w.ElementList, s.row);
        p.host.errors.clear();
        const theory::TChain before = w.Chain();
        for (const auto& [field, text] : s.fields)
            field->Text = text;
        p.app.Click(*s.button);
        if (*s.error) {
            ASSERT_EQ(p.host.errors.size(), 1u);
            EXPECT_EQ(p.host.errors[0].rfind(s.error, 0), 0u) << p.host.errors[0];
            EXPECT_EQ(w.Chain(), before);
        } else {
            EXPECT_TRUE(p.host.errors.empty());
        }
        if (s.holds) {
            EXPECT_TRUE(s.holds(w.Chain().Elements[std::size_t(s.row - 1)]));
        }
    }
    // The list says what the fields set, and a line selected shows its length back in mm.
    EXPECT_TRUE(Says(w.ElementList->Rows()[1][2], "0,5 дБ/λ")) << w.ElementList->Rows()[1][2];
    p.app.Select(*w.ElementList, 1);
    EXPECT_EQ(w.MillimetresEdit->Text, "25");
    EXPECT_EQ(w.LossEdit->Text, "0,5");
}

// A series C of 50 Ω on 100+j50 at 100 MHz is 31,83 pF: E12 puts it on 33 pF, E96 then on
// 33,2 pF, the КСВ at the input before and after in the label; without f0 a message and the
// chain kept.
TEST(ChainWindow, StandardValuesMoveLAndCAndSayTheVswr) {
    Program p;
    ASSERT_NE(p.chain, nullptr);
    chart::TChainForm& w = *p.chain;
    p.Add(kSeriesC);
    const theory::TChain bare = w.Chain();
    p.app.Click(*w.StandardButton);
    ASSERT_EQ(p.host.errors.size(), 1u);
    EXPECT_EQ(p.host.errors[0], chart::kStandardFrequencyMessage);
    EXPECT_EQ(w.Chain(), bare);
    w.FrequencyEdit->Text = "100";
    p.app.Click(*w.FrequencyButton);
    const struct {
        tk::TRadioButton* series;
        double pf;
        const char* label;
    } choices[] = {{w.E12Button, 33, "E12: КСВ на входе 2,000 → "},
                   {w.E96Button, 33.2, "E96: КСВ на входе "}};
    for (const auto& c : choices) {
        SCOPED_TRACE(c.label);
        const double before =
            theory::ReadingOf(theory::InputOhms(w.Chain(), {100, 50}, 1), 50).Vswr;
        c.series->SetChecked(true);
        p.app.Click(*w.StandardButton);
        EXPECT_NEAR(chart::ShownValue(w.Chain().Elements[0], 100e6), c.pf, 1e-9);
        const double after = theory::ReadingOf(theory::InputOhms(w.Chain(), {100, 50}, 1), 50).Vswr;
        EXPECT_EQ(w.StandardLabel->Caption, chart::StandardVswrText(w.E12Button->Checked()
                                                                     ? theory::TSeries::E12
                                                                     : theory::TSeries::E96,
                                                                 before, after));
        EXPECT_EQ(w.StandardLabel->Caption.rfind(c.label, 0), 0u) << w.StandardLabel->Caption;
    }
    EXPECT_EQ(p.host.errors.size(), 1u);
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

// The pixel of a point of element i's path, t of the way along it.
tk::TPoint OnArc(const Program& p, std::size_t i, double t) {
    const auto path = theory::ChainPaths(p.chain->Chain(), p.chain->LoadOhms())[i];
    const theory::TComplex g = path[std::size_t(t * double(path.size() - 1))];
    return chart::PixelOfGamma(g.real(), g.imag());
}

tk::TPoint NodeAt(const Program& p, std::size_t node) {
    const theory::TComplex z = theory::NodeOhms(p.chain->Chain(), p.chain->LoadOhms(), 1)[node];
    const theory::TComplex g = theory::ReadingOf(z, 50).Gamma;
    return chart::PixelOfGamma(g.real(), g.imag());
}

// A series C of 50 Ω (row 1) and a λ/8 line (row 2) on 100+j50: the wheel over a row or near
// an arc tunes that element and selects it, a notch one slider step (10^(2/1000) for the C,
// 0,5 λ/1000 for the line), with Ctrl 25; over the load's row or far from every arc it tunes
// the selected element or nothing.
TEST(ChainWindow, WheelTunesTheElementUnderThePointer) {
    const double c1 = 50 * std::pow(10.0, 2.0 / 1000), cDown = 50 * std::pow(10.0, -2.0 / 1000);
    const struct {
        const char* intent;
        int row;   // the row under the wheel; -1: over the chart
        double t;  // over the chart: how far along element `arcOf`'s path
        int arcOf; // -1: a pixel far from every arc
        tk::TWheel wheel;
        int selected; // the element selected after
        double c, line;
    } cases[] = {
        {"a notch up over the C's row", 1, 0, 0, {1, false}, 0, c1, 0.125},
        {"a notch down over the C's row", 1, 0, 0, {-1, false}, 0, cDown, 0.125},
        {"Ctrl and a notch down over the line's row", 2, 0, 0, {-1, true}, 1, 50, 0.1125},
        {"two notches up over the line's row", 2, 0, 0, {2, false}, 1, 50, 0.126},
        {"over the load's row: nothing", 0, 0, 0, {1, false}, 1, 50, 0.125},
        {"over the C's arc", -1, 0.5, 0, {1, false}, 0, c1, 0.125},
        {"over the line's arc", -1, 0.5, 1, {-1, false}, 1, 50, 0.1245},
        {"far from both: the selected one, the line", -1, 0, -1, {1, false}, 1, 50, 0.1255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.intent);
        Program p;
        ASSERT_NE(p.chain, nullptr);
        p.Add(kSeriesC);
        p.Add(kLine);
        if (c.row >= 0)
            p.app.Wheel(*p.chain->ElementList, c.row, c.wheel);
        else
            p.app.Wheel(*p.chain->Picture,
                        c.arcOf < 0 ? tk::TPoint{60, 60} : OnArc(p, std::size_t(c.arcOf), c.t),
                        c.wheel);
        EXPECT_EQ(p.chain->Selected(), c.selected);
        EXPECT_NEAR(p.chain->Chain().Elements[0].Value, c.c, 1e-9);
        EXPECT_NEAR(p.chain->Chain().Elements[1].Value, c.line, 1e-9);
        EXPECT_EQ(p.chain->ValueSlider->Position(),
                  chart::SliderPosition(p.chain->Chain().Elements[std::size_t(c.selected)],
                                        p.chain->Anchor(),
                                        p.chain->Chain().Elements[std::size_t(c.selected)].Value));
        EXPECT_TRUE(p.host.errors.empty());
    }
}

// A node pressed and moved to a pixel on its element's arc lands there (its dot within a
// pixel or two of the pointer), its element selected, the input's reading following; a press
// off every node, or on the load's, which no element moves, drags nothing.
TEST(ChainWindow, DraggedNodeFollowsThePointerAlongItsArc) {
    const struct {
        const char* intent;
        int node; // pressed at; -1: far from every node
        double t; // where to along the element's own arc
        bool taken;
    } cases[] = {
        {"the C's node a third back along its r = 2 circle", 1, 1.0 / 3, true},
        {"the line's node halfway back round its |Г| circle", 2, 0.5, true},
        {"the line's node near its start", 2, 0.1, true},
        {"the load's node", 0, 0.5, false},
        {"a pixel far from every node", -1, 0.5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.intent);
        Program p;
        ASSERT_NE(p.chain, nullptr);
        p.Add(kSeriesC);
        p.Add(kLine);
        p.app.Select(*p.chain->ElementList, 0);
        const theory::TChain before = p.chain->Chain();
        const std::string input = p.Input();
        const tk::TPoint from = c.node < 0 ? tk::TPoint{60, 60} : NodeAt(p, std::size_t(c.node));
        const tk::TPoint to = OnArc(p, std::size_t(std::max(c.node, 1) - 1), c.t);
        EXPECT_EQ(p.app.Press(*p.chain->Picture, from), c.taken);
        p.app.Drag(*p.chain->Picture, {(from.X + to.X) / 2, (from.Y + to.Y) / 2});
        p.app.Drag(*p.chain->Picture, to);
        p.app.Release(*p.chain->Picture, to);
        EXPECT_TRUE(p.host.errors.empty());
        if (!c.taken) {
            EXPECT_EQ(p.chain->Chain().Elements[0].Value, before.Elements[0].Value);
            EXPECT_EQ(p.chain->Chain().Elements[1].Value, before.Elements[1].Value);
            EXPECT_EQ(p.Input(), input);
            continue;
        }
        EXPECT_EQ(p.chain->Selected(), c.node - 1);
        const tk::TPoint at = NodeAt(p, std::size_t(c.node));
        EXPECT_LE(std::abs(at.X - to.X), 2) << at.X << " " << to.X;
        EXPECT_LE(std::abs(at.Y - to.Y), 2) << at.Y << " " << to.Y;
        EXPECT_NE(p.Input(), input);
        // A move after the release drags nothing.
        const theory::TChain dropped = p.chain->Chain();
        p.app.Drag(*p.chain->Picture, from);
        EXPECT_EQ(p.chain->Chain().Elements[std::size_t(c.node - 1)].Value,
                  dropped.Elements[std::size_t(c.node - 1)].Value);
    }
}

} // namespace
