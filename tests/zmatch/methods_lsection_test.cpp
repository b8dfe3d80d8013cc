// The L-section on the methods window's chart: its readings against line theory written
// again here, the textbook example, what is built from the printed answer, and the window
// that draws and tells it.
#include "zmatch/methods/LSection.h"

#include "tests/theory/TestLineTheory.h"
#include "tests/zmatch/ZmatchTesting.h"
#include "zmatch/MethodsForm.h"

#include "chart/LoadPoint.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace {

using testing_theory::C;
using zmatch::methods::TMethodOutcome;
using zmatch::methods::TReportedValue;
using zmatch::methods::TReportedValues;

TMethodOutcome Solve(C load, C line, double hz = 0) {
    const chart::TLoadInput typed{float(load.real()),
                                  float(load.imag()),
                                  float(line.real()),
                                  float(line.imag()),
                                  {load, line}};
    zmatch::methods::TMethodOptions options;
    options.Hz = hz;
    return zmatch::methods::SolveLSection({chart::PlanLoadPoint(typed), options});
}

const TReportedValue& Field(const TReportedValues& values, const std::string& key) {
    for (const TReportedValue& v : values)
        if (v.Key == key) return v;
    static const TReportedValue none{"(none)", NAN, "", {}, {}};
    return none;
}

// How much z and y change per pixel of the chart at Г: dz/dГ = 2/(1 - Г)², dy/dГ =
// -2/(1 + Г)², one pixel 1/300 of Г.
double ZPerPixel(C gamma) {
    return 2 / std::norm(1.0 - gamma) / 300;
}
double YPerPixel(C gamma) {
    return 2 / std::norm(1.0 + gamma) / 300;
}
C GammaOf(C z) {
    return (z - 1.0) / (z + 1.0);
}

// Pozar's example, 200 - j100 ohms on 100 at 500 MHz: across the load C = 0,92 pF then
// L = 38,8 nH in series, or L = 46,1 nH then C = 2,61 pF; the chart reads them to within a
// few per cent, the label in pF and nH, and the answer built as printed matches.
TEST(LSectionOnChart, PozarsExample) {
    testing_common::ScopedDecimalSeparator comma(',');
    const TMethodOutcome out = Solve({200, -100}, {100, 0}, 500e6);
    ASSERT_EQ(out.Solutions.size(), 2u);
    struct Row {
        const char *shunt, *series;
        double shuntValue, seriesValue;
    };
    const Row rows[] = {{"C", "L", 0.92e-12, 38.8e-9}, {"L", "C", 46.1e-9, 2.61e-12}};
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const TReportedValues& v = out.Solutions[i].ChartValues;
        EXPECT_EQ(Field(v, "near_load").Text, "shunt");
        const TReportedValue &across = Field(v, "shunt_element"),
                             &series = Field(v, "series_element");
        EXPECT_EQ(Field(across.Members, "kind").Text, rows[i].shunt);
        EXPECT_EQ(Field(series.Members, "kind").Text, rows[i].series);
        EXPECT_NEAR(Field(across.Members, "value").Number, rows[i].shuntValue,
                    0.03 * rows[i].shuntValue);
        EXPECT_NEAR(Field(series.Members, "value").Number, rows[i].seriesValue,
                    0.03 * rows[i].seriesValue);
        EXPECT_LT(out.Solutions[i].BuiltVswr, 1.05);
    }
    EXPECT_EQ(out.Solutions[0].Name, "C параллельно, L последовательно");
    EXPECT_EQ(out.Solutions[0].Reading, "C = 0,923 пФ у нагрузки, L = 38,8 нГн");
    ASSERT_EQ(out.Notes.size(), 1u); // r = 2: no series element next to the load
    EXPECT_EQ(out.Notes[0], "Последовательный элемент у нагрузки не годится: r = 2,00 > 1.");
}

// Over loads all over the chart (inside r = 1, inside g = 1, both, near the rim, on the
// real axis, on g = 1 itself) the chart has every section line theory has, in its order,
// each element within what three pixels at the crossing and two at the load mean there;
// built as printed and measured by chain matrices, each leaves no more mismatch than those
// readings allow.
TEST(LSectionOnChart, ReadingsWithinPixelsOfLineTheory) {
    const C loads[] = {{2, -1},    {0.4, 0.8}, {0.3, -0.2},  {3, 2},      {0.5, 0},
                       {4, 0},     {0.8, 0.4}, {0.05, 1},    {0.1, -0.3}, {1.1, 0.1},
                       {0.2, 1.5}, {6, -5},    {0.95, -0.9}, {1, 2}};
    for (const C z : loads) {
        SCOPED_TRACE(testing::Message() << "z = " << z);
        const double zv = 50;
        const TMethodOutcome out = Solve(z * zv, zv);
        const auto exact = zmatch::methods::DistinctSections(z);
        ASSERT_EQ(out.Solutions.size(), exact.size());
        const C y = 1.0 / z, gammaLoad = GammaOf(z);
        for (std::size_t i = 0; i < exact.size(); ++i) {
            const auto& e = exact[i];
            const bool shunt = e.NearLoad == theory::TNearLoad::Shunt;
            const C crossing = shunt ? 1.0 / C(y.real(), y.imag() + e.B) : z + C(0, e.X);
            const C gamma = GammaOf(crossing);
            const double xTol =
                3 * ZPerPixel(gamma) + (shunt ? 0 : 2 * ZPerPixel(gammaLoad)) + 0.01;
            const double bTol =
                3 * YPerPixel(gamma) + (shunt ? 2 * YPerPixel(gammaLoad) : 0) + 0.01;
            const TReportedValues& v = out.Solutions[i].ChartValues;
            EXPECT_EQ(Field(v, "near_load").Text, shunt ? "shunt" : "series");
            EXPECT_NEAR(Field(v, "x").Number / zv, e.X, xTol) << i;
            EXPECT_NEAR(Field(v, "b").Number * zv, e.B, bTol) << i;
            // Built as printed, the section is off by no more than its readings.
            EXPECT_LT(testing_theory::Mismatch(out.Solutions[i].Printed, z), xTol + bTol) << i;
            EXPECT_LT(testing_theory::Mismatch(out.Solutions[i].ExactNetwork, z), 1e-9) << i;
        }
    }
}

// Refused before anything is drawn: a reactive Zв, which has no elements in ohms and
// siemens, and frequencies whose L and C would not be numbers.
TEST(LSectionOnChart, RefusesWhatHasNoElements) {
    struct Row {
        C line;
        double hz;
        const char* message;
    };
    const Row rows[] = {{{50, 10}, 0, zmatch::methods::kLSectionLineMessage},
                        {{50, 0}, 1e-300, zmatch::methods::kLSectionFrequencyMessage},
                        {{50, 0}, 1e300, zmatch::methods::kLSectionFrequencyMessage}};
    for (const Row& row : rows) {
        try {
            Solve({100, 50}, row.line, row.hz);
            ADD_FAILURE() << row.hz;
        } catch (const tk::Exception& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
}

// The window solves it: every section drawn and told, one step a mark (a miscount throws),
// the labels in the solutions' colours, sections it does without an element named so.
TEST(LSectionInTheWindow, DrawsAndTellsEverySection) {
    struct Row {
        const char *rn, *xn, *frequency;
        std::size_t solutions, families;
        const char* firstName;
    };
    const Row rows[] = {
        {"100", "-50", "500 МГц", 2, 1, "C параллельно, L последовательно"},
        {"20", "40", "", 4, 2, "C параллельно, L последовательно"},
        {"40", "20", "", 2, 2, "только C параллельно"}, // g = 1: nothing in series
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rn);
        testing_zmatch::Window w;
        w.TypeLoad(row.rn, row.xn, "50", "0");
        zmatch::TMethodsForm methods(w.form);
        methods.ChooseMethod("l-section");
        methods.FrequencyEdit->Text = row.frequency;
        methods.SolveClick(methods.SolveButton);
        ASSERT_NE(methods.Outcome(), nullptr);
        const TMethodOutcome& out = *methods.Outcome();
        ASSERT_EQ(out.Solutions.size(), row.solutions);
        EXPECT_EQ(out.Solutions[0].Name, row.firstName);
        // The load's four steps, a circle a kind of section, a step a section, the centre.
        EXPECT_EQ(methods.Steps().size(), 4 + row.families + row.solutions + 1);
        EXPECT_EQ(methods.SolutionLabels[row.solutions - 1]->Font.Color,
                  out.Solutions[row.solutions - 1].Color);
    }
}

// Each network once, whichever element theory put next to the load: at r = 1 or g = 1 the
// one element alone is one solution, of its own kind.
TEST(LSectionOnChart, OneNetworkOneSolution) {
    const C loads[] = {{50, 30}, {50, -30}, {40, 20}, {25, 25}, {50, 1e-9}};
    for (const C load : loads) {
        SCOPED_TRACE(testing::Message() << load);
        const TMethodOutcome out = Solve(load, {50, 0});
        for (std::size_t i = 0; i < out.Solutions.size(); ++i)
            for (std::size_t j = 0; j < i; ++j) {
                const TReportedValues &a = out.Solutions[i].ExactValues,
                                      &b = out.Solutions[j].ExactValues;
                EXPECT_FALSE(std::fabs(Field(a, "x").Number - Field(b, "x").Number) < 1e-9 &&
                             std::fabs(Field(a, "b").Number - Field(b, "b").Number) < 1e-12)
                    << out.Solutions[i].Name << " / " << out.Solutions[j].Name;
            }
    }
}

// The sentences follow the numbers they show: no load «already on» a circle that r or g
// read off; no «Г = 0» after an answer that builds worse than КСВ 1,1, whose exact answer
// is named instead; at a frequency each exact element beside its own reading.
TEST(LSectionOnChart, StepsFollowTheirNumbers) {
    struct Row {
        C load, line;
        double hz;
    };
    const Row rows[] = {{{87.72, -839.87}, {75, 0}, 0},
                        {{30, -45}, {50, 0}, 1e9},
                        {{0.6, 12}, {50, 0}, 0},
                        {{200, -100}, {100, 0}, 500e6}};
    const std::regex element("([LC]) = ([0-9,]+)");
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.load);
        testing_common::ScopedDecimalSeparator comma(',');
        const TMethodOutcome out = Solve(row.load, row.line, row.hz);
        const C z = row.load / row.line;
        const bool onUnit =
            std::fabs(z.real() - 1) < 1e-12 || std::fabs((1.0 / z).real() - 1) < 1e-12;
        bool worse = false;
        for (const auto& s : out.Solutions)
            worse = worse || s.BuiltVswr > 1.1;
        for (const auto& step : out.Steps) {
            EXPECT_TRUE(onUnit || step.Text.find("уже на ней") == std::string::npos) << step.Text;
            const std::size_t at = step.Text.find(" На ");
            if (row.hz == 0 || at == std::string::npos) continue;
            const std::string chart = step.Text.substr(at), exact = step.Exact;
            std::vector<std::pair<std::string, double>> read, precise;
            for (auto [text, into] : {std::pair{&chart, &read}, std::pair{&exact, &precise}})
                for (std::sregex_iterator m(text->begin(), text->end(), element), end; m != end;
                     ++m) {
                    std::string v = (*m)[2];
                    std::replace(v.begin(), v.end(), ',', '.');
                    into->push_back({(*m)[1], std::stod(v)});
                }
            ASSERT_EQ(read.size(), precise.size()) << step.Text << " | " << exact;
            for (std::size_t k = 0; k < read.size(); ++k) {
                EXPECT_EQ(read[k].first, precise[k].first) << step.Exact;
                EXPECT_NEAR(read[k].second, precise[k].second, 0.15 * precise[k].second) << exact;
            }
        }
        const std::string& last = out.Steps.back().Text;
        EXPECT_EQ(last.find("Г = 0") == std::string::npos, worse) << last;
        EXPECT_EQ(last.find("стройте точное") != std::string::npos, worse) << last;
    }
}

} // namespace
