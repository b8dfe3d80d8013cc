// The series stub on the chart: its readings against line theory over the whole disc, worked
// constructions as the results print them, and the construction drawn where it reads.
#include "tests/common/ScopedDecimalSeparator.h"
#include "tests/theory/TestLineTheory.h"
#include "tests/zmatch/ZmatchTesting.h"

#include "chart/LoadPoint.h"
#include "theory/SeriesStub.h"
#include "zmatch/MethodsForm.h"
#include "zmatch/methods/Palette.h"
#include "zmatch/methods/SeriesStub.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using testing_theory::C;
using theory::TStubKind;
using zmatch::methods::TMethodOutcome;

constexpr TStubKind kEnds[] = {TStubKind::Short, TStubKind::Open};

// The load typed in ohms on a 50-ohm line, plotted as «Показать точку» plots it.
chart::TLoadPoint Plotted(C load) {
    return chart::PlanLoadPoint({float(load.real()), float(load.imag()), 50, 0, {load, C(50, 0)}});
}

TMethodOutcome Solved(C load, TStubKind end) {
    return zmatch::methods::SolveSeriesStub({Plotted(load), {end}});
}

double Value(const zmatch::methods::TReportedValues& values, const char* key) {
    for (const auto& v : values)
        if (v.Key == key) return v.Number;
    ADD_FAILURE() << "no " << key;
    return 0;
}

// Lengths on a line repeat every half wavelength: how far apart two of them are.
double Apart(double a, double b) {
    const double d = std::fabs(a - b) - 0.5 * std::floor(std::fabs(a - b) / 0.5);
    return std::fmin(d, 0.5 - d);
}

struct TAnswers {
    double D[2], L[2];
};
TAnswers ExactAt(C gamma, TStubKind end) {
    const auto s = theory::SolveSeriesStub((1.0 + gamma) / (1.0 - gamma), end);
    return {{s.First.Distance, s.Second.Distance}, {s.First.Stub, s.Second.Stub}};
}

// Over the disc, both ends: each reading lies within what 3 pixels mean at that load — the
// most the exact answer moves when the load moves 3 px along or across its |Г| circle, and 3
// px of the reading itself, at the crossing for d and on the rim for l. The chart's answer
// built (its chain written again here) leaves the КСВ the window gives, a match away from
// the rim.
TEST(SeriesStubOnTheChart, ReadingsLieWithinPixelsOfTheExactAnswers) {
    constexpr double kPixels = 3, kPixel = 1.0 / 300;
    for (double rho : {0.05, 0.2, 0.4, 0.6, 0.8, 0.95})
        for (int degrees = 10; degrees < 360; degrees += 30) {
            const C gamma = std::polar(rho, degrees * theory::Pi / 180);
            const C load = 50.0 * (1.0 + gamma) / (1.0 - gamma);
            for (TStubKind end : kEnds) {
                SCOPED_TRACE(testing::Message()
                             << load << (end == TStubKind::Short ? " short" : " open"));
                const TMethodOutcome out = Solved(load, end);
                ASSERT_EQ(out.Solutions.size(), 2u);
                const TAnswers exact = ExactAt(gamma, end);
                TAnswers moved = {{0, 0}, {0, 0}};
                const C unit = gamma / rho;
                for (C step : {C(1, 0), C(-1, 0), C(0, 1), C(0, -1)}) {
                    const TAnswers a = ExactAt(gamma + kPixels * kPixel * unit * step, end);
                    for (int i = 0; i < 2; ++i) {
                        moved.D[i] = std::fmax(moved.D[i], Apart(a.D[i], exact.D[i]));
                        moved.L[i] = std::fmax(moved.L[i], Apart(a.L[i], exact.L[i]));
                    }
                }
                for (int i = 0; i < 2; ++i) {
                    const auto& s = out.Solutions[std::size_t(i)];
                    EXPECT_LE(Apart(Value(s.ChartValues, "d"), exact.D[i]),
                              moved.D[i] + kPixels / (4 * theory::Pi * rho * 300))
                        << i;
                    EXPECT_LE(Apart(Value(s.ChartValues, "l"), exact.L[i]),
                              moved.L[i] + kPixels / (4 * theory::Pi * 300))
                        << i;
                    const double built = testing_theory::Mismatch(s.Printed, load / 50.0);
                    EXPECT_NEAR(theory::StandingWaveRatio(built), s.BuiltVswr, 1e-9);
                    if (rho <= 0.8) {
                        EXPECT_LT(s.BuiltVswr, 1.1) << i;
                    }
                }
            }
        }
}

// Worked constructions as the results print them: Pozar's 100 + j80 ohms (an open stub in his
// book); loads on r = 1 whose crossing is their own pixel or the next; one a pixel above the
// centre, whose crossings read x = ±0,01 and whose stubs end a hair either side of the
// short-circuit point.
TEST(SeriesStubOnTheChart, WorkedConstructions) {
    struct Row {
        C load;
        TStubKind end;
        const char *first, *second;
        std::size_t notes;
    };
    // clang-format off
    const Row rows[] = {
        {{100, 80}, TStubKind::Open,  "d = 0,463 λ, z = 0,99+j1,33, l = 0,103 λ", "d = 0,120 λ, z = 1,00-j1,33, l = 0,397 λ", 0},
        {{100, 80}, TStubKind::Short, "d = 0,463 λ, z = 0,99+j1,33, l = 0,353 λ", "d = 0,120 λ, z = 1,00-j1,33, l = 0,147 λ", 0},
        {{50, 50},  TStubKind::Short, "d = 0,000 λ, z = 1,00+j1,00, l = 0,375 λ", "d = 0,176 λ, z = 1,00-j1,00, l = 0,125 λ", 1},
        {{50, 49},  TStubKind::Short, "d = 0,000 λ, z = 0,99+j0,98, l = 0,377 λ", "d = 0,178 λ, z = 1,00-j0,97, l = 0,122 λ", 1},
        {{50, 0.34}, TStubKind::Short, "d = 0,000 λ, z = 1,00+j0,01, l = 0,499 λ", "d = 0,250 λ, z = 1,00-j0,01, l = 0,001 λ", 1},
        {{50, 0.34}, TStubKind::Open, "d = 0,000 λ, z = 1,00+j0,01, l = 0,249 λ", "d = 0,250 λ, z = 1,00-j0,01, l = 0,251 λ", 1},
    };
    // clang-format on
    const testing_common::ScopedDecimalSeparator comma(',');
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.load);
        const TMethodOutcome out = Solved(r.load, r.end);
        ASSERT_EQ(out.Solutions.size(), 2u);
        EXPECT_EQ(out.Solutions[0].Reading, r.first);
        EXPECT_EQ(out.Solutions[1].Reading, r.second);
        EXPECT_EQ(out.Notes.size(), r.notes);
    }
}

// Through the window: each solution's two marks, the crossing on r = 1 and S on the rim, in
// its colour, and a step for every part drawn.
TEST(SeriesStubOnTheChart, DrawsEachSolutionWhereItReads) {
    testing_zmatch::Window w;
    w.TypeLoad("100", "80", "50", "0");
    zmatch::TMethodsForm methods(w.form);
    std::vector<tk::TCanvasCall> log;
    methods.Picture->Canvas.Log = &log;
    methods.ChooseMethod("series-stub");
    methods.OpenStubButton->SetChecked(true);
    methods.SolveClick(methods.SolveButton);
    ASSERT_NE(methods.Outcome(), nullptr);
    EXPECT_EQ(methods.Steps().size(), 4u + 5u); // the load's, then two a solution and the junction
    for (std::size_t i = 0; i < 2; ++i) {
        std::vector<tk::TPoint> marks;
        for (const tk::TCanvasCall& c : log)
            if (c.Op == tk::TCanvasCall::TOp::Ellipse &&
                c.Brush.Color == zmatch::methods::SolutionColor(i) &&
                c.Brush.Style == tk::TBrushStyle::bsSolid)
                marks.push_back({c.X1 + 4, c.Y1 + 4});
        ASSERT_EQ(marks.size(), 2u) << i;
        EXPECT_NEAR(std::hypot(marks[0].X - 550.0, marks[0].Y - 350.0), 150, 1.5) << i;
        EXPECT_NEAR(std::hypot(marks[1].X - 400.0, marks[1].Y - 350.0), 300, 1.5) << i;
    }
    EXPECT_EQ(methods.SolutionLabels[1]->Caption, "2. d = 0,120 λ, z = 1,00-j1,33, l = 0,397 λ");
}

} // namespace
