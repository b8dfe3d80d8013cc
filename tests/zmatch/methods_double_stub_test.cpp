// Two stubs on the methods window's chart: the lengths it reads lie within what three pixels
// mean at each point read, the forbidden region is solved with the remedy's first stub, its
// hatching leaves every line of the chart as it was, and a construction the chart cannot
// resolve is refused.
#include "zmatch/methods/DoubleStub.h"

#include "tests/zmatch/ZmatchTesting.h"
#include "zmatch/MethodsForm.h"
#include "zmatch/StubMatch.h"

#include "chart/ChartState.h"
#include "chart/ConstructionSteps.h"
#include "chart/ExactText.h"
#include "chart/Grid.h"
#include "chart/LoadSteps.h"
#include "tests/common/ScopedDecimalSeparator.h"
#include "theory/Turns.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using theory::TComplex;
using theory::TStubKind;
using zmatch::methods::TMethodOutcome;

chart::TLoadPoint Planned(TComplex z) {
    const TComplex load = 50.0 * z;
    chart::TLoadInput in{float(load.real()), float(load.imag()), 50, 0, {load, {50, 0}}};
    return chart::PlanLoadPoint(in);
}

zmatch::methods::TMethodOptions Options(TStubKind kind, double first, double spacing) {
    return {kind, first, spacing, 0};
}

// A length on the scale, half a wavelength a turn: 0,4999 and 0,0001 lie 0,0002 apart.
double Apart(double a, double b) {
    const double d = theory::Wrap(a - b, 0.5);
    return std::min(d, 0.5 - d);
}

// What `px` pixels mean in a length read on the rim, through the susceptance b read at
// admittances y, each `px` times its weight pixels off: a reading moves by |1 + y|²/2 per
// unit of Г, and the rim's point for b by 2/(1 + b²) per unit of b, a wavelength being 4π
// of the rim's angle.
struct TRead {
    TComplex y;
    double weight;
};
double Tolerance(double b, std::initializer_list<TRead> read, double px) {
    const double eps = px / 300;
    double db = 0;
    for (const TRead& r : read)
        db += std::norm(1.0 + r.y) / 2 * eps * r.weight;
    return (2 / (1 + b * b) * db + eps) / (4 * theory::Pi);
}

// How far B strays, in the pixels A1 strays: A1's error in g moves the constant-g circle at B
// by |1 + y1|²/|1 + yB|² of it (dГ/dg = 2/(1 + y)²), and the crossing slides along the turned
// circle by 1/sin of the angle the two cross at; B's own truncation adds one. The admittance
// y lies where the impedance y would; the turned circle's centre is 0,5 turned
// counter-clockwise by 4π·s.
double CrossingStray(TComplex y1, TComplex yB, double spacing) {
    const double g = y1.real();
    const TComplex b = theory::ReflectionOf(yB);
    const TComplex n1 = (b - g / (1 + g)) * (1 + g);
    const TComplex n2 = (b - 0.5 * std::polar(1.0, 4 * theory::Pi * spacing)) / 0.5;
    const double slide = 1 / std::max(std::fabs((n1 * std::conj(n2)).imag()), 1e-3);
    return std::norm(1.0 + y1) / std::norm(1.0 + yB) * slide + 1;
}

TComplex AdmittanceAt(TComplex z, double waves) {
    return 1.0 / theory::ImpedanceOf(theory::MoveReflection(theory::ReflectionOf(z), waves, 0));
}

// Each solution's l1 and l2 as the chart reads them lie within three pixels' worth of line
// theory's, at every spacing offered and one typed, both stubs, the first stub at the load
// or along the line, and loads inside r = 1, inside g = 1, near the rim and on the axis.
TEST(DoubleStubOnChart, ReadsWithinThreePixelsOfTheExact) {
    testing_common::ScopedDecimalSeparator comma(',');
    const TComplex loads[] = {{1.2, -1.6}, {0.3, 0.4}, {0.5, -0.2}, {2, 1},  {4, 0},
                              {0.25, 0},   {0.1, 1},   {0.2, -2},   {8, -6}, {0.05, 0.3}};
    int checked = 0;
    for (const TComplex z : loads)
        for (const double spacing : {0.125, 0.25, 0.375, 0.1})
            for (const double first : {0.0, 0.07, 0.3})
                for (const TStubKind kind : {TStubKind::Short, TStubKind::Open}) {
                    SCOPED_TRACE(testing::Message() << z << " s=" << spacing << " d1=" << first
                                                    << " open=" << (kind == TStubKind::Open));
                    const chart::TLoadPoint load = Planned(z);
                    const auto p =
                        zmatch::methods::PlanDoubleStub(load, Options(kind, first, spacing));
                    if (p.Touching) continue; // at the region's edge every pixel counts
                    const TComplex y1 = AdmittanceAt(z, p.FirstStub());
                    const theory::TDoubleStubSolution* exact[] = {&p.Exact.First, &p.Exact.Second};
                    for (std::size_t i = 0; i < 2; ++i) {
                        const auto& c = p.Solutions[i];
                        const auto& e = *exact[i];
                        const TComplex yB{y1.real(), y1.imag() + e.B1}, yC{1, -e.B2};
                        const double stray = CrossingStray(y1, yB, spacing);
                        EXPECT_LE(Apart(c.Stub1(), e.Stub1),
                                  Tolerance(e.B1, {{y1, 1}, {yB, stray}}, 3))
                            << i;
                        EXPECT_LE(Apart(c.Stub2(), e.Stub2), Tolerance(e.B2, {{yC, stray + 1}}, 3))
                            << i;
                        ++checked;
                    }
                }
    EXPECT_GT(checked, 400);
}

// Pozar's example as the chart reads it: 60 - j80 ohms on 50, open stubs λ/8 apart at the
// load; built as printed, both answers match.
TEST(DoubleStubOnChart, TextbookExample) {
    testing_common::ScopedDecimalSeparator comma(',');
    const TMethodOutcome out = zmatch::methods::SolveDoubleStub(
        {Planned({1.2, -1.6}), Options(TStubKind::Open, 0, 0.125)});
    ASSERT_EQ(out.Solutions.size(), 2u);
    const double published[2][2] = {{0.146, 0.204}, {0.482, 0.350}};
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_NEAR(out.Solutions[i].ChartValues[0].Number, published[i][0], 0.002);
        EXPECT_NEAR(out.Solutions[i].ChartValues[1].Number, published[i][1], 0.002);
        EXPECT_LT(out.Solutions[i].BuiltVswr, 1.1);
    }
    ASSERT_EQ(out.Extra.size(), 1u);
    EXPECT_EQ(out.Extra[0].Key, "forbidden");
    EXPECT_EQ(out.Extra[0].Truth, false);
    EXPECT_TRUE(out.Notes.empty());
}

// A first stub in the forbidden region: at the load (y = 2,5 at λ/8; y = 1,25 at λ/4) or
// typed along the line onto it (z = 2,5 a quarter wave on). The remedy's distance is theory's,
// the notes name it, and the printed answers built there match.
TEST(DoubleStubOnChart, ForbiddenRegionSolvedWithTheRemedy) {
    testing_common::ScopedDecimalSeparator comma(',');
    struct Case {
        TComplex z;
        double first, spacing;
    };
    const Case cases[] = {
        {0.4, 0, 0.125}, {0.8, 0, 0.25}, {2.5, 0.25, 0.125}, {{0.3, 0.1}, 0, 0.375}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.z << " d1=" << k.first);
        const TMethodOutcome out = zmatch::methods::SolveDoubleStub(
            {Planned(k.z), Options(TStubKind::Short, k.first, k.spacing)});
        const theory::TDoubleStubSolutions exact =
            theory::SolveDoubleStub(k.z, TStubKind::Short, k.first, k.spacing);
        ASSERT_TRUE(exact.Forbidden);
        const double remedy = zmatch::methods::PlanDoubleStub(
                                  Planned(k.z), Options(TStubKind::Short, k.first, k.spacing))
                                  .FirstStub();
        EXPECT_GE(remedy, exact.FirstStub); // theory's, the chart's margin beyond it
        ASSERT_GE(out.Extra.size(), 2u);
        EXPECT_EQ(out.Extra[0].Truth, true);
        EXPECT_EQ(out.Extra[1].Key, "first_stub");
        EXPECT_EQ(out.Extra[1].Number, remedy);
        ASSERT_GE(out.Notes.size(), 2u);
        const std::string where =
            remedy == 0 ? "к самой нагрузке" : chart::ShortNumber(remedy) + " λ";
        EXPECT_NE(out.Notes[1].find(where), std::string::npos) << out.Notes[1];
        for (const auto& s : out.Solutions)
            EXPECT_LT(s.BuiltVswr, 1.1);
    }
}

// The forbidden region's edges. A load on its boundary is one tangent solution: one row, one
// pass of the steps, no «в двух точках». A load in it is solved where the chart can construct,
// and the notes name the exact shortest distance; that holds for every load of a sweep whose
// point the chart resolves from the rim.
TEST(DoubleStubOnChart, ForbiddenRegionEdges) {
    testing_common::ScopedDecimalSeparator comma(',');
    struct Case {
        TComplex z;
        double spacing;
        std::size_t solutions;
    };
    const Case cases[] = {
        {{0.4, -0.2}, 0.375, 1},          // 20 - j10 ohms: y = 2 + j, on g = 2
        {{0.4, 0.2}, 0.125, 1},           // y = 2 - j
        {{0.053676, 0.005094}, 0.125, 2}, // 2,6838 + j0,2547 ohms: g = 18,5
        {{0.4, 0}, 0.125, 2},
    };
    for (const Case& k : cases)
        for (const TStubKind kind : {TStubKind::Short, TStubKind::Open}) {
            SCOPED_TRACE(testing::Message() << k.z << " s=" << k.spacing);
            const TMethodOutcome out =
                zmatch::methods::SolveDoubleStub({Planned(k.z), Options(kind, 0, k.spacing)});
            ASSERT_EQ(out.Solutions.size(), k.solutions);
            std::string steps;
            for (const auto& step : out.Steps)
                steps += step.Text;
            EXPECT_EQ(steps.find("в двух точках") == std::string::npos, k.solutions == 1);
            const auto exact = theory::SolveDoubleStub(k.z, kind, 0, k.spacing);
            if (exact.Forbidden) {
                EXPECT_NE(out.Notes.back().find(chart::ExactNumber(exact.Shortest)),
                          std::string::npos)
                    << out.Notes.back();
            }
        }
    int forbidden = 0;
    for (double re = 0.01; re < 1; re *= 1.5)
        for (double im = -3; im <= 3; im += 0.25)
            for (const double spacing : {0.125, 0.25, 0.375, 0.1}) {
                const chart::TLoadPoint load = Planned({re, im});
                if (!zmatch::ResolvedFromRim(load.DistPx, load.Typed.Exact) ||
                    !theory::SolveDoubleStub({re, im}, TStubKind::Short, 0, spacing).Forbidden)
                    continue;
                ++forbidden;
                EXPECT_NO_THROW(
                    zmatch::methods::SolveDoubleStub({load, Options(TStubKind::Short, 0, spacing)}))
                    << re << " " << im << " s=" << spacing;
            }
    EXPECT_GT(forbidden, 50);
}

// The last step says what each answer gives built as printed: Г = 0 only where every one
// matches; otherwise each one's КСВ, the exact lengths of those that do not match, and the
// answer that builds best (5 - j200 ohms: answer 2, not answer 1).
TEST(DoubleStubOnChart, LastStepSaysWhatEachAnswerBuilds) {
    testing_common::ScopedDecimalSeparator comma(',');
    struct Case {
        TComplex z;
        TStubKind kind;
        std::vector<std::string> said;
    };
    const theory::TDoubleStubSolutions rim =
        theory::SolveDoubleStub({0.1, -4}, TStubKind::Short, 0, 0.125);
    const Case cases[] = {
        {{1.2, -1.6}, TStubKind::Open, {"Г = 0; ответы диаграммы"}},
        {{0.1, -4},
         TStubKind::Short,
         {"дают КСВ = 4,10 (ответ 1) и 1,47 (ответ 2)",
          "ответ 1 — l1 = " + chart::ExactNumber(rim.First.Stub1),
          "ответ 2 — l1 = " + chart::ExactNumber(rim.Second.Stub1), "Лучше строится ответ 2."}},
    };
    for (const Case& k : cases) {
        const TMethodOutcome out =
            zmatch::methods::SolveDoubleStub({Planned(k.z), Options(k.kind, 0, 0.125)});
        const std::string last = out.Steps.back().Text;
        for (const std::string& said : k.said)
            EXPECT_NE(last.find(said), std::string::npos) << said << "\n" << last;
        EXPECT_EQ(last.find("Г = 0") != std::string::npos, k.said.size() == 1) << last;
    }
}

// The hatching paints only what was white: every pixel its step changes was white before
// it, and it does change some.
TEST(DoubleStubOnChart, HatchingLeavesTheChartsLines) {
    for (const double spacing : {0.125, 0.25, 0.375}) {
        tk::TCanvas c(807, 689);
        std::vector<tk::TCanvasCall> log;
        c.Log = &log;
        chart::TChartState state;
        chart::DrawGrid(state, c);
        const chart::TLoadPoint load = Planned({0.4, 0.3});
        chart::TStepMarks marks(c);
        chart::DrawLoadPoint(c, load, marks);
        TMethodOutcome out =
            zmatch::methods::SolveDoubleStub({load, Options(TStubKind::Short, 0, spacing)});
        out.Draw(c, marks);
        chart::TConstructionSteps texts = chart::LoadPointSteps(load);
        texts.insert(texts.end(), out.Steps.begin(), out.Steps.end());
        const chart::TConstructionSteps steps = marks.Placed(texts);
        const std::size_t region = chart::LoadPointSteps(load).size() + 1;
        const tk::TCanvas before = chart::PictureAfterStep(c, steps, region - 1, false);
        const tk::TCanvas after = chart::PictureAfterStep(c, steps, region, false);
        const chart::TRCirclePixels edge =
            zmatch::methods::PlanDoubleStub(load, Options(TStubKind::Short, 0, spacing)).ForbiddenG;
        int hatched = 0;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x)
                if (before.Pixel(x, y) != after.Pixel(x, y)) {
                    ++hatched;
                    // Only the region's own circle is drawn over what was there.
                    const double r = std::hypot(x + 0.5 - edge.PixX, y + 0.5 - 350);
                    if (before.Pixel(x, y) != tk::clWhite) {
                        EXPECT_NEAR(r, edge.PixR, 1) << x << "," << y;
                    }
                }
        EXPECT_GT(hatched, 500) << spacing;
    }
}

// Spacings so near a whole number of half wavelengths that the turned circle falls on
// g = 1 at the chart's precision: refused with the reason, nothing drawn.
TEST(DoubleStubOnChart, UnresolvableSpacingRefused) {
    for (const double spacing : {1e-6, 0.5 - 1e-7}) {
        try {
            zmatch::methods::SolveDoubleStub(
                {Planned({0.5, 0.2}), Options(TStubKind::Short, 0, spacing)});
            ADD_FAILURE() << spacing;
        } catch (const tk::Exception& e) {
            EXPECT_EQ(e.Message, zmatch::methods::kDoubleStubChartMessage);
        }
    }
}

// The window: «Решить» gives both solutions, the notes of a load in the forbidden region and
// the КСВ built; options it cannot use are refused with their reasons, and nothing changes.
TEST(DoubleStubWindow, SolvesAndRefuses) {
    testing_zmatch::Window main;
    main.TypeLoad("20", "0", "50", "0");
    zmatch::TMethodsForm w(main.form);
    w.ChooseMethod("double-stub");
    w.SolveClick(w.SolveButton);
    EXPECT_EQ(w.SolutionLabels[0]->Caption.rfind("1. l1 = ", 0), 0u);
    EXPECT_EQ(w.SolutionLabels[1]->Caption.rfind("2. l1 = ", 0), 0u);
    EXPECT_EQ(w.SolutionLabels[2]->Caption, "");
    EXPECT_EQ(w.NoteLabels[1]->Caption,
              "Первый шлейф перенесён на 0,038 λ от нагрузки, решено там.");

    struct Bad {
        const char *first, *spacing;
        std::string message;
    };
    const Bad bad[] = {
        {"-0,1", "0,125", zmatch::kFirstStubMessage},
        {"2e6", "0,125", zmatch::kStubDistanceRangeMessage},
        {"0", "2e6", zmatch::kStubDistanceRangeMessage},
        {"0", "0,5", zmatch::SpacingMessage(0.5)},
        {"0", "0,000001", zmatch::SpacingMessage(1e-6)},
    };
    const std::string shown = w.SolutionLabels[0]->Caption;
    for (const Bad& b : bad) {
        w.FirstStubEdit->Text = b.first;
        w.SpacingEdit->Text = b.spacing;
        try {
            w.SolveClick(w.SolveButton);
            ADD_FAILURE() << b.first << " " << b.spacing;
        } catch (const tk::Exception& e) {
            EXPECT_EQ(e.Message, b.message);
        }
        EXPECT_EQ(w.SolutionLabels[0]->Caption, shown);
    }
}

// The spacing: one rule, too near a whole number of half wavelengths refused with the nearest
// spacing that works; at that nearest the window solves.
TEST(DoubleStubWindow, SpacingNearHalfWavesNamesTheNearest) {
    testing_common::ScopedDecimalSeparator comma(',');
    testing_zmatch::Window main;
    main.TypeLoad("30", "20", "50", "0");
    zmatch::TMethodsForm w(main.form);
    w.ChooseMethod("double-stub");
    const struct {
        const char *typed, *nearest;
    } cases[] = {{"1e-12", "0,01"}, {"1e-10", "0,01"},        {"0,001", "0,01"},
                 {"1e-8", "0,01"},  {"0,5000000001", "0,51"}, {"0,4999", "0,49"},
                 {"0", "0,01"},     {"-3", "0,01"},           {"7,004", "7,01"}};
    for (const auto& c : cases) {
        w.SpacingEdit->Text = c.typed;
        try {
            w.SolveClick(w.SolveButton);
            ADD_FAILURE() << c.typed;
        } catch (const tk::Exception& e) {
            EXPECT_NE(e.Message.find("подходит: " + std::string(c.nearest) + " λ."),
                      std::string::npos)
                << e.Message;
        }
        w.SpacingEdit->Text = c.nearest;
        EXPECT_NO_THROW(w.SolveClick(w.SolveButton)) << c.nearest;
    }
}

} // namespace
