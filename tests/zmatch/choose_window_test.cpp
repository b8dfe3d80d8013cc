// «Подбор согласования…» as F3 opens it from zmatch's window: its fields read into the search's
// ask or refused in Russian with nothing lost, the search run in slices that Esc stops, and a
// row of the table taken to the chain window, its band window and the window's own chart.
#include "tests/common/ErrorRecordingHost.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ChainBandForm.h"
#include "chart/ChainFiles.h"
#include "chart/ChainForm.h"
#include "zmatch/ChooseAsk.h"
#include "zmatch/ChooseForm.h"
#include "zmatch/Unit1.h"

#include "theory/Chain.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct Program {
    Program() {
        app.CreateForm(form, state);
        form->TypeLoad("100", "50", "50", "0");
        Run(tk::TShortcut::Choose);
        choose =
            app.Windows().empty() ? nullptr : dynamic_cast<zmatch::TChooseForm*>(app.Windows()[0]);
    }
    void Run(tk::TShortcut shortcut, tk::TForm* on = nullptr) {
        tk::TForm& f = on ? *on : static_cast<tk::TForm&>(*form);
        for (const tk::TActionDesc& a : f.Actions())
            if (a.Shortcut == shortcut) app.Dispatch([&] { a.Command(f); });
    }
    template <class T> T* Window() const {
        for (tk::TForm* f : app.Windows())
            if (auto* w = dynamic_cast<T*>(f)) return w;
        return nullptr;
    }

    testing_common::ScopedDecimalSeparator comma{','};
    chart::TChartState state;
    testing_common::ErrorRecordingHost host;
    tk::TApplication app{host};
    zmatch::TForm1* form = nullptr;
    zmatch::TChooseForm* choose = nullptr;
};

bool Says(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Two made-up choices at 100 MHz on the 50 Ω line: a series C then a shunt L, and a line.
std::vector<theory::TChoice> MadeUp() {
    theory::TChain lc;
    lc.F0Hz = 100e6;
    lc.Elements = {theory::SeriesC(31.8e-12), theory::ShuntL(100e-9)};
    theory::TChain line;
    line.F0Hz = 100e6;
    line.Elements = {
        theory::TChainElement{theory::TChainKind::Line, theory::TPlace::Series, 0.125}};
    return {{"L-звено", lc, 1.2, 1, 0.15, 2, 1.3}, {"Отрезок линии", line, 2.5, 0.4, 0, 1, 2.5}};
}

// Each field read as the search takes it, in the window's decimal comma.
TEST(ChooseWindow, FieldsReadIntoTheAsk) {
    Program p;
    ASSERT_NE(p.choose, nullptr);
    auto& w = *p.choose;
    const theory::TChooseAsk dflt = zmatch::ReadChooseAsk(w, w.BandLoad(0));
    EXPECT_DOUBLE_EQ(dflt.Load.F0Hz, 100e6);
    EXPECT_NEAR(dflt.Low, 0.95, 1e-12);
    EXPECT_NEAR(dflt.High, 1.05, 1e-12);
    EXPECT_EQ(dflt.Parts, theory::TPartsSeries::E24);
    EXPECT_EQ(dflt.QInductor, 50);
    EXPECT_EQ(dflt.QCapacitor, 500);
    EXPECT_EQ(dflt.SectionOhms, (std::vector<double>{50, 75}));
    EXPECT_EQ(dflt.MaxVswr, 2);

    w.F0Edit->Text = "";
    w.FromEdit->Text = "90";
    w.ToEdit->Text = "110";
    w.QInductorEdit->Text = "";
    w.SectionsEdit->Text = "37,5, 50 любое";
    w.E96Button->SetChecked(true);
    const theory::TChooseAsk band = zmatch::ReadChooseAsk(w, w.BandLoad(0));
    EXPECT_DOUBLE_EQ(band.Load.F0Hz, 100e6);
    EXPECT_NEAR(band.Low, 0.9, 1e-12);
    EXPECT_NEAR(band.High, 1.1, 1e-12);
    EXPECT_EQ(band.QInductor, 0); // empty: lossless
    EXPECT_EQ(band.Parts, theory::TPartsSeries::E96);
    EXPECT_EQ(band.SectionOhms, (std::vector<double>{37.5, 50}));
    EXPECT_TRUE(band.IdealSection);
}

// A load from a measured file goes to the search across the file's frequencies, f0 its own.
TEST(ChooseWindow, MeasuredLoadGoesAcrossItsFile) {
    Program p;
    chart::TMeasuredChoice choice;
    choice.Load.Points = {{1.5e9, theory::TComplex(80, 20)},
                          {2e9, theory::TComplex(100, 50)},
                          {3e9, theory::TComplex(120, 90)}};
    choice.Hz = 2e9;
    choice.Re = "100";
    choice.Im = "50";
    p.form->SetMeasured(choice);
    p.app.Click(*p.form->Button1);
    p.app.Click(*p.choose->ReloadButton);
    ASSERT_TRUE(p.host.errors.empty()) << p.host.errors[0];
    EXPECT_EQ(p.choose->F0Edit->Text, "2000");
    EXPECT_TRUE(Says(p.choose->LoadLabel->Caption, "из файла")) << p.choose->LoadLabel->Caption;
    const theory::TChooseAsk ask = zmatch::ReadChooseAsk(*p.choose, p.choose->BandLoad(0));
    EXPECT_EQ(ask.Load.Model, theory::TLoadModel::Measured);
    ASSERT_NE(ask.Load.Measured, nullptr);
    EXPECT_EQ(ask.Load.Measured->Points.size(), 3u);
    EXPECT_DOUBLE_EQ(ask.Load.F0Hz, 2e9);
}

// Every bad field: its message through the error box, the fields as typed and the table kept.
TEST(ChooseWindow, BadFieldsRefusedWithNothingLost) {
    const struct {
        const char* field;
        const char* text;
        const char* says;
    } cases[] = {
        {"F0Edit", "0", "f0, МГц: число должно быть больше нуля"},
        {"F0Edit", "abc", "f0, МГц"},
        {"F0Edit", "1e305", "f0, МГц: частота слишком велика"},
        {"SpanEdit", "1e-300", "±, %: полоса слишком узка"},
        {"SpanEdit", "100", "±, %: полоса должна быть уже"},
        {"SpanEdit", "-5", "±, %"},
        {"FromEdit", "90", "Полоса: задайте обе частоты"},
        {"VswrEdit", "1", "КСВ должен быть больше 1"},
        {"QInductorEdit", "0", "Q катушек"},
        {"QCapacitorEdit", "-1", "Q конденсаторов"},
        {"StubOhmsEdit", "x", "Zв шлейфов, Ом"},
        {"StubMaxEdit", "0", "Шлейф не длиннее, λ"},
        {"SectionsEdit", "", "перечислите Zт"},
        {"SectionsEdit", "50; ом", "Zт четвертьволновых, Ом: «ом»"},
        {"SectionsEdit", "-50", "Zт должно быть больше нуля"},
        {"LoadedQEdit", "0", "Нагруженная Q π и T"},
        {"VfEdit", "1,5", "Коэф. укорочения: он не бывает больше 1"},
    };
    for (const auto& c : cases) {
        Program p;
        auto& w = *p.choose;
        w.ShowChoices(MadeUp(), zmatch::ReadChooseAsk(w, w.BandLoad(0)));
        auto* edit = dynamic_cast<tk::TEdit*>(w.FindControl(c.field));
        ASSERT_NE(edit, nullptr) << c.field;
        edit->Text = c.text;
        p.app.Click(*w.SearchButton);
        ASSERT_EQ(p.host.errors.size(), 1u) << c.field << " " << c.text;
        EXPECT_TRUE(Says(p.host.errors[0], c.says)) << p.host.errors[0];
        EXPECT_EQ(edit->Text, c.text);
        EXPECT_EQ(w.ChoiceList->Rows().size(), 2u) << c.field;
        EXPECT_FALSE(w.Searching());
    }
}

// The search goes a slice at a time through the host; Esc stops it; a slice asked for
// by a window closed since finds nothing to do.
TEST(ChooseWindow, SearchGoesInSlicesAndStops) {
    {
        Program p;
        p.app.Click(*p.choose->SearchButton);
        EXPECT_TRUE(p.host.errors.empty()) << p.host.errors[0];
        EXPECT_TRUE(p.choose->Searching());
        while (p.host.RunLater()) {
        }
        EXPECT_FALSE(p.choose->Searching());
        EXPECT_TRUE(Says(p.choose->NoteLabel->Caption, "Подбор закончен"));
    }
    {
        Program p;
        p.app.Click(*p.choose->SearchButton);
        p.Run(tk::TShortcut::Stop, p.choose);
        EXPECT_FALSE(p.choose->Searching());
        EXPECT_TRUE(Says(p.choose->NoteLabel->Caption, "Подбор остановлен"));
        EXPECT_TRUE(p.host.RunLater()); // the slice asked for before the stop: nothing
        EXPECT_TRUE(Says(p.choose->NoteLabel->Caption, "Подбор остановлен"));
    }
    {
        Program p;
        p.app.Click(*p.choose->SearchButton);
        p.app.Closed(*p.choose);
        EXPECT_TRUE(p.host.RunLater());
        EXPECT_TRUE(p.host.errors.empty());
    }
}

// A row to the chain window (its chain as built), then to that chain's band window; its
// chain drawn on the window's chart; before any row, each button says to choose one.
TEST(ChooseWindow, RowGoesToChainBandAndChart) {
    Program p;
    auto& w = *p.choose;
    const std::vector<std::uint32_t> bare(w.Picture->Canvas.Bits(),
                                          w.Picture->Canvas.Bits() + 807 * 689);
    for (tk::TButton* b : {w.ChainButton, w.BandButton, w.ChartButton})
        p.app.Click(*b);
    ASSERT_EQ(p.host.errors.size(), 3u);
    for (const std::string& e : p.host.errors)
        EXPECT_EQ(e, zmatch::kNoChoiceMessage);

    w.ShowChoices(MadeUp(), zmatch::ReadChooseAsk(w, w.BandLoad(0)));
    ASSERT_EQ(w.ChoiceList->Rows().size(), 2u);
    EXPECT_EQ(w.ChoiceList->Rows()[0][1], "L-звено");
    EXPECT_TRUE(Says(w.ChoiceList->Rows()[0][2], "C посл. 31,8 пФ; L парал. 100 нГн"))
        << w.ChoiceList->Rows()[0][2];
    EXPECT_TRUE(Says(w.ChoiceList->Rows()[1][2], "Линия 0,125 λ (374,741 мм)"))
        << w.ChoiceList->Rows()[1][2];
    EXPECT_EQ(w.ChoiceList->Rows()[0][3], "1,20");
    const std::vector<std::uint32_t> drawn(w.Picture->Canvas.Bits(),
                                           w.Picture->Canvas.Bits() + 807 * 689);
    EXPECT_NE(drawn, bare);

    p.app.Select(*w.ChoiceList, 1);
    p.app.Click(*w.BandButton);
    auto* chain = p.Window<chart::TChainForm>();
    ASSERT_NE(chain, nullptr);
    EXPECT_EQ(chain->Chain(), chart::HeldChain(w.Choices()[1].Chain).Chain);
    EXPECT_NE(p.Window<chart::TChainBandForm>(), nullptr);
    p.app.Select(*w.ChoiceList, 0);
    p.app.Click(*w.ChainButton);
    EXPECT_EQ(chain->Chain(), chart::HeldChain(w.Choices()[0].Chain).Chain);
    EXPECT_EQ(p.app.Windows().size(), 3u); // the chain window taken over, not a second
}

} // namespace
