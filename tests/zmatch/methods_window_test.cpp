// The methods window as the main window's menu opens it: what it refuses (and that nothing
// changes then), the quarter-wave transformer read on its own chart within a few pixels of
// line theory, and its steps and band from its own menu.
#include "zmatch/BandForm.h"
#include "zmatch/MethodsForm.h"
#include "zmatch/StubMatch.h"
#include "zmatch/methods/QuarterWave.h"

#include "tests/common/ErrorRecordingHost.h"
#include "tests/zmatch/ZmatchTesting.h"

#include "chart/ChartActions.h"
#include "chart/StepsForm.h"
#include "theory/DoubleStub.h"
#include "theory/LSection.h"
#include "theory/QuarterWave.h"
#include "theory/SeriesStub.h"
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace {

void (*RowOf(const tk::TForm& form, tk::TShortcut keys))(tk::TForm&) {
    for (const tk::TActionDesc& a : form.Actions())
        if (a.Kind == tk::TActionKind::Command && a.Shortcut == keys) return a.Command;
    return nullptr;
}

// zmatch's window with an application around it and its methods window opened by Ctrl+M.
struct Program {
    Program() {
        app.CreateForm(form, state);
        Type("100", "50");
        const auto row = RowOf(*form, tk::TShortcut::Methods);
        if (row) app.Dispatch([&] { row(*form); });
        methods = app.Windows().empty()
                      ? nullptr
                      : dynamic_cast<zmatch::TMethodsForm*>(app.Windows().front());
    }
    void Type(const char* rn, const char* xn, const char* rv = "50", const char* xv = "0") {
        form->Edit1->Text = rn;
        form->Edit2->Text = xn;
        form->Edit3->Text = rv;
        form->Edit4->Text = xv;
    }
    // Solves and returns the error box's message, empty when it was solved.
    std::string Solve(std::string_view method) {
        methods->ChooseMethod(method);
        host.errors.clear();
        app.Click(*methods->SolveButton);
        return host.errors.empty() ? "" : host.errors.back();
    }
    std::vector<std::uint32_t> Picture() const {
        const tk::TCanvas& c = methods->Picture->Canvas;
        return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
    }

    testing_common::ScopedDecimalSeparator comma{','};
    chart::TChartState state;
    testing_common::ErrorRecordingHost host;
    tk::TApplication app{host};
    zmatch::TForm1* form = nullptr;
    zmatch::TMethodsForm* methods = nullptr;
};

// Loads and options without an answer are refused with their message, the window's chart,
// results and last solution as the last good press left them.
TEST(MethodsWindow, RefusalsChangeNothing) {
    struct Row {
        const char *rn, *xn, *xv, *method, *spacing;
        std::string message;          // how it begins
        const char* wavelength = "1"; // the main window's «Длин. волн.»
    };
    const Row rows[] = {
        {"50", "0", "0", "quarter-wave", "0,125", zmatch::kMethodMatchedMessage},
        {"1e9", "0", "0", "quarter-wave", "0,125", "Точка нагрузки легла на край диаграммы"},
        {"-10", "20", "0", "quarter-wave", "0,125", chart::kNegativeLoadMessage},
        {"100", "50", "10", "quarter-wave", "0,125", zmatch::methods::kQuarterWaveLineMessage},
        {"100", "50", "0", "double-stub", "0", "Расстояние между шлейфами"},
        {"100", "50", "0", "double-stub", "0,5", "Расстояние между шлейфами"},
        {"100", "50", "0", "double-stub", "abc", "Между шлейфами: «abc» не является числом"},
        {"100", "50", "0", "series-stub", "0,125", zmatch::kWavelengthSignMessage, "0"},
        {"100", "50", "0", "quarter-wave", "0,125", zmatch::kWavelengthRangeMessage, "1e301"},
        {"100", "50", "0", "double-stub", "0,125", "Длина волны: «abc» не является", "abc"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.rn) + "+j" + r.xn + " " + r.method + " s=" + r.spacing);
        Program p;
        ASSERT_NE(p.methods, nullptr);
        ASSERT_EQ(p.Solve("quarter-wave"), "");
        const auto picture = p.Picture();
        const std::string first = p.methods->SolutionLabels[0]->Caption;
        p.Type(r.rn, r.xn, "50", r.xv);
        p.methods->SpacingEdit->Text = r.spacing;
        p.form->Edit6->Text = r.wavelength;
        const std::string message = p.Solve(r.method);
        EXPECT_EQ(message.substr(0, r.message.size()), r.message);
        EXPECT_EQ(p.Picture(), picture);
        EXPECT_EQ(p.methods->SolutionLabels[0]->Caption, first);
        ASSERT_NE(p.methods->Outcome(), nullptr);
    }
}

// The chart's readings lie within a few pixels of line theory's for loads over the chart:
// the distance within what 3 px of arc on the load's circle turn, Zт within 3 %; the
// answer built matches within КСВ 1,2.
TEST(MethodsWindow, QuarterWaveReadsNearTheExact) {
    const char* loads[][2] = {{"100", "50"}, {"20", "-35"}, {"150", "0"},  {"10", "5"},
                              {"30", "80"},  {"75", "-20"}, {"400", "300"}};
    for (const auto& l : loads) {
        SCOPED_TRACE(std::string(l[0]) + "+j" + l[1]);
        Program p;
        p.Type(l[0], l[1]);
        ASSERT_EQ(p.Solve("quarter-wave"), "");
        const auto& o = *p.methods->Outcome();
        ASSERT_EQ(o.Solutions.size(), 2u);
        const theory::TQuarterWaveSolutions exact =
            theory::SolveQuarterWave(p.methods->SolvedLoad().ZNorm());
        const double rho = p.state.PointDistPx;
        const auto* e = &exact.Maximum;
        for (const auto& s : o.Solutions) {
            const double d = s.ChartValues[0].Number, zt = s.ChartValues[1].Number;
            double diff = std::fabs(d - e->Distance);
            diff = std::min(diff, 0.5 - diff);
            EXPECT_LT(diff, 3 / rho / (4 * 3.14159265)) << s.Name;
            EXPECT_NEAR(zt, e->Zt * 50, 0.03 * e->Zt * 50) << s.Name;
            EXPECT_LT(s.BuiltVswr, 1.2) << s.Name;
            e = &exact.Minimum;
        }
    }
}

// Its menu's steps follow its own chart, in a window apart from the main window's, and its
// band has a curve a solution, matched at f0.
TEST(MethodsWindow, StepsAndBandOfItsOwn) {
    Program p;
    p.app.Click(*p.form->Button1);
    p.app.Dispatch([&] { chart::OpenStepsWindow(*p.form); });
    ASSERT_EQ(p.Solve("quarter-wave"), "");
    p.app.Dispatch([&] { RowOf(*p.methods, tk::TShortcut::Steps)(*p.methods); });
    p.app.Dispatch([&] { RowOf(*p.methods, tk::TShortcut::Band)(*p.methods); });
    std::vector<chart::TStepsForm*> steps;
    zmatch::TBandForm* band = nullptr;
    for (tk::TForm* w : p.app.Windows()) {
        if (auto* s = dynamic_cast<chart::TStepsForm*>(w)) steps.push_back(s);
        if (auto* b = dynamic_cast<zmatch::TBandForm*>(w)) band = b;
    }
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(
        steps[1]->CountLabel->Caption.find("Шаг 1 из " + std::to_string(p.methods->Steps().size())),
        0u);
    EXPECT_FALSE(p.methods->Picture->ShowsOwn());
    EXPECT_TRUE(p.form->Image1->ShowsOwn() || steps[0]->Chosen());
    ASSERT_NE(band, nullptr);
    ASSERT_EQ(band->Response().Curves.size(), 2u);
    for (const auto& c : band->Response().Curves)
        EXPECT_NEAR(c.Vswr[500], 1, 1e-9);
}

// Its sentences follow their numbers: R = r·Zв comes out of the r shown, however small; the
// last step says Г = 0 only where both answers, built as printed, give КСВ 1,1 or less.
TEST(MethodsWindow, QuarterWaveStepsFollowTheirNumbers) {
    const char* loads[][2] = {{"0,42", "0"}, {"100", "50"}, {"5000", "10"}, {"1", "-60"}};
    const std::regex place("r = ([0-9,]+) .*R = r·Zв = ([0-9,]+) Ом");
    const auto number = [](std::string v) {
        std::replace(v.begin(), v.end(), ',', '.');
        return std::stod(v);
    };
    for (const auto& l : loads) {
        SCOPED_TRACE(std::string(l[0]) + "+j" + l[1]);
        Program p;
        p.Type(l[0], l[1]);
        ASSERT_EQ(p.Solve("quarter-wave"), "");
        const auto& steps = p.methods->Steps();
        int places = 0;
        for (const auto& step : steps) {
            std::smatch m;
            if (!std::regex_search(step.Text, m, place)) continue;
            ++places;
            const double r = number(m[1]), ohms = number(m[2]);
            EXPECT_NEAR(r * 50, ohms, 0.005 + 1e-3 * ohms) << step.Text;
        }
        EXPECT_EQ(places, 2);
        bool worse = false;
        for (const auto& s : p.methods->Outcome()->Solutions)
            worse = worse || s.BuiltVswr > 1.1;
        EXPECT_EQ(steps.back().Text.find("Г = 0") == std::string::npos, worse) << steps.back().Text;
    }
}

} // namespace

namespace {

double ValueOf(const zmatch::methods::TReportedValues& values, const std::string& key) {
    for (const auto& v : values)
        if (v.Key == key) return v.Number;
    ADD_FAILURE() << "no " << key;
    return 0;
}

// Every length in the unit of the main window's «Длин. волн.» too: in the rows and their
// tooltips, the results text and the JSON's values (key_in_unit = λ·key, chart and exact);
// at λ = 1 the rows stay in wavelengths alone; the L-section has no lengths and reads no
// wavelength. Every row keeps within its label's 350 px in the window's Tahoma 8.
TEST(MethodsWindow, LengthsInTheWavelengthsUnit) {
    struct Row {
        const char *method, *rn, *xn, *wavelength;
        const char* row; // the first solution's row
    };
    // clang-format off
    const Row rows[] = {
        {"series-stub",  "100", "80", "2",   "1. d = 0,463 λ (0,926), z = 0,99+j1,33, l = 0,353 λ (0,706)"},
        {"series-stub",  "100", "80", "1",   "1. d = 0,463 λ, z = 0,99+j1,33, l = 0,353 λ"},
        {"series-stub",  "10", "-333", "0,123457", ""},
        {"series-stub",  "1", "-0,3", "1e300", ""},
        {"quarter-wave", "100", "50", "0,5", ""},
        {"double-stub",  "20",  "0",  "300", ""},
        {"double-stub",  "2,6838", "0,2547", "0,123457", ""}, // the remedy's note in the unit
        {"l-section",    "100", "50", "abc", ""},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.method) + " λ = " + r.wavelength);
        Program p;
        p.Type(r.rn, r.xn);
        p.form->Edit6->Text = r.wavelength;
        ASSERT_EQ(p.Solve(r.method), "");
        const zmatch::methods::TMethodOutcome& o = *p.methods->Outcome();
        if (*r.row) {
            EXPECT_EQ(p.methods->SolutionLabels[0]->Caption, r.row);
        }
        const double lambda = p.methods->SolvedWavelength();
        const bool lengths = std::string_view(r.method) != "l-section";
        EXPECT_EQ(lambda == 1, !lengths || std::string_view(r.wavelength) == "1");
        for (const zmatch::methods::TSolution& s : o.Solutions)
            for (const auto* values : {&s.ChartValues, &s.ExactValues})
                for (const auto& v : *values) {
                    if (!v.Key.ends_with("_in_unit")) continue;
                    const std::string key = v.Key.substr(0, v.Key.size() - 8);
                    EXPECT_DOUBLE_EQ(v.Number, lambda * ValueOf(*values, key)) << v.Key;
                }
        const std::string hint = p.methods->SolutionLabels[0]->Hint;
        const std::string text = zmatch::MethodsResultsText(*p.methods);
        const bool inUnit = lengths && lambda != 1;
        EXPECT_EQ(hint.find(" λ (при λ = ") != std::string::npos, inUnit) << hint;
        EXPECT_EQ(text.find(", λ = ") != std::string::npos, inUnit) << text;
        EXPECT_EQ(p.methods->SolutionLabels[0]->Caption.find(" λ (") != std::string::npos, inUnit);
        for (const tk::TLabel* l : p.methods->SolutionLabels)
            EXPECT_LE(p.methods->Picture->Canvas.TextWidth(l->Caption), 350) << l->Caption;
        for (const tk::TLabel* l : p.methods->NoteLabels)
            EXPECT_LE(p.methods->Picture->Canvas.TextWidth(l->Caption), 350) << l->Caption;
    }
}

// The JSON's chart values are the answer as printed and the answer built: the network made
// again from them gives the very КСВ the window prints as built, for every method (lines of
// 50 and 75 ohms, where x·Zв takes more digits than the three an element is written with).
TEST(MethodsWindow, ChartValuesAreThePrintedAnswerBuilt) {
    using theory::TNetwork;
    using zmatch::methods::TReportedValues;
    using zmatch::methods::TSolution;
    const auto rebuilt = [](std::string_view method, const TSolution& s,
                            const TReportedValues& extra, double zv) -> TNetwork {
        const auto v = [&](const char* key) { return ValueOf(s.ChartValues, key); };
        const theory::TStubKind kind = theory::TStubKind::Open;
        if (method == "series-stub")
            return theory::SeriesStubNetwork({v("d"), v("x"), v("l")}, kind);
        if (method == "quarter-wave") return theory::QuarterWaveNetwork({v("d"), 0, v("zt") / zv});
        if (method == "double-stub") {
            const double first = extra.size() > 1 ? ValueOf(extra, "first_stub") : 0;
            return theory::DoubleStubNetwork({0, 0, v("l1"), v("l2")}, kind, first, 0.125);
        }
        const bool shunt = s.ChartValues[0].Text == "shunt";
        return theory::LSectionNetwork(
            {shunt ? theory::TNearLoad::Shunt : theory::TNearLoad::Series, v("x") / zv,
             v("b") * zv});
    };
    const char* loads[][3] = {{"100", "80", "50"},
                              {"20", "-35", "75"},
                              {"30", "45", "75"},
                              {"400", "300", "50"},
                              {"12", "7", "75"}};
    for (const zmatch::methods::TMethod& m : zmatch::methods::Methods())
        for (const auto& l : loads) {
            SCOPED_TRACE(std::string(m.Key) + " " + l[0] + "+j" + l[1] + " on " + l[2]);
            Program p;
            p.Type(l[0], l[1], l[2]);
            p.methods->OpenStubButton->SetChecked(true);
            ASSERT_EQ(p.Solve(m.Key), "");
            const zmatch::methods::TMethodOutcome& o = *p.methods->Outcome();
            const double zv = std::stod(l[2]);
            const theory::TComplex z = p.methods->SolvedLoad().ZNorm();
            for (const TSolution& s : o.Solutions) {
                EXPECT_DOUBLE_EQ(theory::InputVswr(rebuilt(m.Key, s, o.Extra, zv), z, 1),
                                 s.BuiltVswr)
                    << s.Name;
            }
        }
}

} // namespace
