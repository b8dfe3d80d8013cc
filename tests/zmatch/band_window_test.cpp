#include "zmatch/BandForm.h"

#include "tests/common/ErrorRecordingHost.h"
#include "tests/zmatch/ZmatchTesting.h"

#include "chart/BandPlot.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using RecordingHost = testing_common::ErrorRecordingHost;

// zmatch's window with an application around it, as the menu row runs the command.
struct Program {
    Program() {
        app.CreateForm(form, state);
        form->Edit1->Text = "100";
        form->Edit2->Text = "50";
        form->Edit3->Text = "50";
        form->Edit4->Text = "0";
    }
    void Run(void (*command)(tk::TForm&)) {
        app.Dispatch([&] { command(*form); });
    }
    zmatch::TBandForm* Band() const {
        const auto windows = app.Windows();
        return windows.empty() ? nullptr : dynamic_cast<zmatch::TBandForm*>(windows.back());
    }
    std::vector<std::uint32_t> Plot() const {
        const tk::TCanvas& c = Band()->Picture->Canvas;
        return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
    }

    testing_common::ScopedDecimalSeparator comma{','};
    chart::TChartState state;
    RecordingHost host;
    tk::TApplication app{host};
    zmatch::TForm1* form = nullptr;
};

void (*BandRow(const zmatch::TForm1& form))(tk::TForm&) {
    for (const tk::TActionDesc& a : form.Actions())
        if (a.Kind == tk::TActionKind::Command && a.Shortcut == tk::TShortcut::Band)
            return a.Command;
    return nullptr;
}

// The menu row opens the band of the last match only: before «Согласовать», and after a
// new point is shown, it says to match first.
TEST(BandWindow, OpensForTheLastMatch) {
    Program p;
    const auto row = BandRow(*p.form);
    ASSERT_NE(row, nullptr);
    p.Run(row);
    EXPECT_EQ(p.host.errors, std::vector<std::string>{zmatch::kNoMatchForBandMessage});
    p.app.Click(*p.form->Button1);
    p.app.Click(*p.form->Button2);
    p.Run(row);
    ASSERT_NE(p.Band(), nullptr);
    const theory::TNetworksResponse& r = p.Band()->Response();
    ASSERT_EQ(r.Ratio.size(), 1001u);
    EXPECT_NEAR(r.Curves[1].Vswr[500], 1, 1e-9);
    p.Run(row);
    EXPECT_EQ(p.app.Windows().size(), 1u);
    p.app.Click(*p.form->Button1);
    p.Run(row);
    EXPECT_EQ(p.host.errors.size(), 2u);
}

// The model and f0 redraw the plot; an f0 that does not read changes nothing; the
// measured model is offered only for a measured load.
TEST(BandWindow, ModelAndF0Redraw) {
    Program p;
    p.app.Click(*p.form->Button1);
    p.app.Click(*p.form->Button2);
    p.Run(BandRow(*p.form));
    zmatch::TBandForm& band = *p.Band();
    EXPECT_FALSE(band.MeasuredModelButton->Visible);
    const auto series = p.Plot();
    p.app.Dispatch([&] { band.ConstantModelButton->SetChecked(true); });
    p.app.Click(*band.ConstantModelButton);
    const auto constant = p.Plot();
    EXPECT_NE(constant, series);
    band.F0Edit->Text = "2,4 ГГц";
    p.app.Click(*band.DrawButton);
    EXPECT_EQ(band.F0Hz(), 2.4e9);
    EXPECT_NE(p.Plot(), constant);
    const auto withF0 = p.Plot();
    band.F0Edit->Text = "сорок";
    p.app.Click(*band.DrawButton);
    EXPECT_EQ(p.host.errors.size(), 1u);
    EXPECT_EQ(p.Plot(), withF0);
    EXPECT_EQ(band.F0Hz(), 2.4e9);
}

// A load read from a measurement brings the measured model, chosen, and its own f0 and
// band; typed over, the load is a load of its own again and the model goes back to the
// series one.
TEST(BandWindow, MeasuredLoadBringsItsModel) {
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
    p.app.Click(*p.form->Button2);
    p.Run(BandRow(*p.form));
    zmatch::TBandForm& band = *p.Band();
    EXPECT_TRUE(band.MeasuredModelButton->Visible);
    EXPECT_TRUE(band.MeasuredModelButton->Checked());
    EXPECT_EQ(band.F0Hz(), 2e9);
    ASSERT_FALSE(band.Response().Ratio.empty());
    EXPECT_DOUBLE_EQ(band.Response().Ratio.front(), 0.75);
    EXPECT_DOUBLE_EQ(band.Response().Ratio.back(), 1.5);
    const std::vector<double>& first = band.Response().Curves[1].Vswr;
    EXPECT_LT(*std::min_element(first.begin(), first.end()), 1.01);

    p.form->Edit2->Text = "50,0";
    p.app.Click(*p.form->Button1);
    p.app.Click(*p.form->Button2);
    p.Run(BandRow(*p.form));
    EXPECT_FALSE(band.MeasuredModelButton->Visible);
    EXPECT_TRUE(band.SeriesModelButton->Checked());
    EXPECT_TRUE(p.host.errors.empty());
}

} // namespace
