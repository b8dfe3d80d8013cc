// The matching methods' exact solutions: the published textbook examples, and for loads all
// over the chart each solution built (chain matrices written again here) showing the line
// its own Zв.
#include "theory/DoubleStub.h"
#include "theory/LSection.h"
#include "theory/QuarterWave.h"
#include "theory/SeriesStub.h"

#include "tests/theory/TestLineTheory.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using testing_theory::C;
using testing_theory::Mismatch;
using theory::TMatchCase;
using theory::TStubKind;

constexpr TStubKind kEnds[] = {TStubKind::Short, TStubKind::Open};

// Loads over the whole disc: small and large r, either sign of x.
std::vector<C> Loads() {
    std::vector<C> loads;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> e(-2, 2), sign(-1, 1);
    for (int i = 0; i < 300; ++i)
        loads.emplace_back(std::pow(10.0, e(random)), sign(random) * std::pow(10.0, e(random)));
    return loads;
}

// Every solution of every method, built, matches: |Г| below 1e-9 at f0.
TEST(Methods, EverySolutionBuiltMatches) {
    for (const C z : Loads()) {
        SCOPED_TRACE(testing::Message() << z);
        for (TStubKind end : kEnds) {
            const theory::TSeriesStubSolutions series = theory::SolveSeriesStub(z, end);
            ASSERT_EQ(series.Case, TMatchCase::Solved);
            EXPECT_GE(series.First.X, 0);
            EXPECT_LT(series.Second.X, 0);
            for (const auto& s : {series.First, series.Second})
                EXPECT_LT(Mismatch(theory::SeriesStubNetwork(s, end), z), 1e-9);
            for (double spacing : {0.125, 0.25, 0.375, 0.1}) {
                const theory::TDoubleStubSolutions d =
                    theory::SolveDoubleStub(z, end, 0.05, spacing);
                ASSERT_EQ(d.Case, TMatchCase::Solved);
                for (const auto& s : {d.First, d.Second})
                    EXPECT_LT(Mismatch(theory::DoubleStubNetwork(s, end, d.FirstStub, spacing), z),
                              1e-9)
                        << spacing;
            }
        }
        const theory::TQuarterWaveSolutions q = theory::SolveQuarterWave(z);
        ASSERT_EQ(q.Case, TMatchCase::Solved);
        for (const auto& s : {q.Maximum, q.Minimum})
            EXPECT_LT(Mismatch(theory::QuarterWaveNetwork(s), z), 1e-9);
        EXPECT_GT(q.Maximum.R, 1);
        EXPECT_NEAR(q.Maximum.R * q.Minimum.R, 1, 1e-9);
        const std::vector<theory::TLSectionSolution> l = theory::SolveLSection(z);
        const C y = 1.0 / z;
        EXPECT_EQ(l.size(), std::size_t(2 * (y.real() <= 1) + 2 * (z.real() <= 1)));
        for (const auto& s : l)
            EXPECT_LT(Mismatch(theory::LSectionNetwork(s), z), 1e-9);
    }
}

// Pozar's examples: the series open stub of 100 + j80 ohms on 50; the double stub of 60 - j80
// ohms on 50 with open stubs λ/8 apart, the first at the load; the L-sections of 200 - j100
// ohms on 100 at 500 MHz. His answers are read off the chart, to three decimals.
TEST(Methods, TextbookExamples) {
    const theory::TSeriesStubSolutions series =
        theory::SolveSeriesStub(C(100, 80) / 50.0, TStubKind::Open);
    EXPECT_NEAR(series.First.X, 1.33, 5e-3);
    EXPECT_NEAR(series.First.Distance, 0.463, 1e-3);
    EXPECT_NEAR(series.First.Stub, 0.103, 1e-3);
    EXPECT_NEAR(series.Second.X, -1.33, 5e-3);
    EXPECT_NEAR(series.Second.Distance, 0.120, 1e-3);
    EXPECT_NEAR(series.Second.Stub, 0.397, 1e-3);

    const theory::TDoubleStubSolutions d =
        theory::SolveDoubleStub(C(60, -80) / 50.0, TStubKind::Open, 0, 0.125);
    EXPECT_FALSE(d.Forbidden);
    EXPECT_NEAR(d.First.B1, 1.314, 5e-4);
    EXPECT_NEAR(d.First.B2, 3.38, 5e-3);
    EXPECT_NEAR(d.First.Stub1, 0.146, 5e-4);
    EXPECT_NEAR(d.First.Stub2, 0.204, 5e-4);
    EXPECT_NEAR(d.Second.B1, -0.114, 5e-4);
    EXPECT_NEAR(d.Second.B2, -1.38, 5e-3);
    EXPECT_NEAR(d.Second.Stub1, 0.482, 5e-4);
    EXPECT_NEAR(d.Second.Stub2, 0.350, 5e-4);

    const std::vector<theory::TLSectionSolution> l = theory::SolveLSection(C(2, -1));
    ASSERT_EQ(l.size(), 2u);
    const double f = 500e6, zv = 100;
    EXPECT_NEAR(l[0].B, 0.29, 5e-3);
    EXPECT_NEAR(l[0].X, 1.22, 5e-3);
    EXPECT_NEAR(theory::OfSusceptance(l[0].B / zv, f).Value, 0.92e-12, 0.01e-12);
    EXPECT_NEAR(theory::OfReactance(l[0].X * zv, f).Value, 38.8e-9, 0.3e-9);
    EXPECT_NEAR(l[1].B, -0.69, 5e-3);
    EXPECT_NEAR(theory::OfSusceptance(l[1].B / zv, f).Value, 46.1e-9, 0.1e-9);
    EXPECT_NEAR(theory::OfReactance(l[1].X * zv, f).Value, 2.61e-12, 0.02e-12); // from x rounded
    EXPECT_EQ(theory::OfSusceptance(l[1].B / zv, f).Kind, theory::TLumped::TKind::L);

    // 100 ohms on 50: a quarter wave of 70,7 ohms straight at the load.
    const theory::TQuarterWaveSolutions q = theory::SolveQuarterWave(2);
    EXPECT_EQ(q.Maximum.Distance, 0);
    EXPECT_DOUBLE_EQ(q.Maximum.Zt * 50, 50 * std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(q.Minimum.Distance, 0.25);
}

// The forbidden region: at λ/8, y = 2,5 + j0 at the first stub cannot be matched there; the
// remedy is the shortest line, to a thousandth, that brings g to 2 or below, and it matches.
TEST(Methods, DoubleStubRemedy) {
    const C z = 1 / 2.5;
    const theory::TDoubleStubSolutions d = theory::SolveDoubleStub(z, TStubKind::Short, 0, 0.125);
    ASSERT_TRUE(d.Forbidden);
    ASSERT_EQ(d.Case, TMatchCase::Solved);
    const auto conductance = [&](double waves) {
        return (1.0 / testing_theory::Input({theory::Line(waves)}, z)).real();
    };
    EXPECT_LE(conductance(d.FirstStub), 2);
    EXPECT_GT(conductance(d.FirstStub - 0.001), 2);
    for (const auto& s : {d.First, d.Second})
        EXPECT_LT(Mismatch(theory::DoubleStubNetwork(s, TStubKind::Short, d.FirstStub, 0.125), z),
                  1e-9);
    EXPECT_EQ(theory::LargestMatchableConductance(0.5), 0);
    EXPECT_DOUBLE_EQ(theory::LargestMatchableConductance(0.25), 1);
}

// The forbidden region's boundary: a load on it is one tangent solution, not forbidden; a
// load in it names the exact shortest distance out, where g = 1/sin²(2πs) (not a scan's
// thousandth past it), and the one solution there. Each matches, built.
TEST(Methods, DoubleStubBoundary) {
    struct Case {
        C z;
        double first, spacing;
        bool forbidden;
    };
    const Case cases[] = {
        {C(20, -10) / 50.0, 0, 0.375, false},       // y = 2 + j, on the boundary
        {C(20, 10) / 50.0, 0, 0.125, false},        // y = 2 - j
        {C(2.6838, 0.2547) / 50.0, 0, 0.125, true}, // g = 18,5 at the load
        {1 / 2.5, 0, 0.125, true},                  // y = 2,5
        {C(0.3, 0.1), 0, 0.375, true},
    };
    const auto conductance = [](C z, double waves) {
        return (1.0 / testing_theory::Input({theory::Line(waves)}, z)).real();
    };
    for (const Case& k : cases)
        for (TStubKind end : kEnds) {
            SCOPED_TRACE(testing::Message() << k.z << " s=" << k.spacing);
            const theory::TDoubleStubSolutions d =
                theory::SolveDoubleStub(k.z, end, k.first, k.spacing);
            ASSERT_EQ(d.Case, TMatchCase::Solved);
            EXPECT_EQ(d.Forbidden, k.forbidden);
            const double largest = theory::LargestMatchableConductance(k.spacing);
            if (!k.forbidden) {
                EXPECT_TRUE(d.Tangent);
                EXPECT_EQ(d.First.Stub1, d.Second.Stub1);
                EXPECT_LT(Mismatch(theory::DoubleStubNetwork(d.First, end, 0, k.spacing), k.z),
                          1e-9);
                continue;
            }
            EXPECT_NEAR(conductance(k.z, d.Shortest) / largest, 1, 1e-12);
            EXPECT_GT(conductance(k.z, d.Shortest - 1e-6), largest);
            EXPECT_TRUE(d.ShortestTangent);
            EXPECT_LT(
                Mismatch(theory::DoubleStubNetwork(d.AtShortest[0], end, d.Shortest, k.spacing),
                         k.z),
                1e-9);
        }
}

// Loads no method matches, and the matched load.
TEST(Methods, LoadsWithoutASolution) {
    for (const C z : {C(0, 1), C(-0.5, 1)}) {
        EXPECT_EQ(theory::SolveSeriesStub(z, TStubKind::Short).Case, TMatchCase::Impossible);
        EXPECT_EQ(theory::SolveDoubleStub(z, TStubKind::Short, 0, 0.125).Case,
                  TMatchCase::Impossible);
        EXPECT_EQ(theory::SolveQuarterWave(z).Case, TMatchCase::Impossible);
        EXPECT_TRUE(theory::SolveLSection(z).empty());
    }
    EXPECT_EQ(theory::SolveSeriesStub(1, TStubKind::Open).Case, TMatchCase::Matched);
    EXPECT_EQ(theory::SolveQuarterWave(1).Case, TMatchCase::Matched);
    EXPECT_TRUE(theory::SolveLSection(1).empty());
}

} // namespace
