// The standard series: the nearest value in the logarithm, across decade edges, exactly the
// double the value's decimal reads as; and a chain's L and C moved onto them.
#include "theory/StandardValues.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using theory::TSeries;

TEST(StandardValues, NearestInTheLogarithmAcrossDecadeEdges) {
    const struct {
        TSeries series;
        double v, nearest;
    } cases[] = {
        // E12: a decade's top goes up to the next one's 10, and its bottom down to 8,2; the
        // geometric middle decides (√(1·1,2) = 1,095), not the arithmetic one.
        {TSeries::E12, 9.9, 10},       {TSeries::E12, 0.9, 0.82},   {TSeries::E12, 0.95, 1},
        {TSeries::E12, 1.09, 1},       {TSeries::E12, 1.1, 1.2},    {TSeries::E12, 2.5, 2.7},
        {TSeries::E12, 4.7e-9, 4.7e-9}, {TSeries::E12, 79.6e-9, 82e-9}, {TSeries::E12, 8e3, 8.2e3},
        // E24: the values that differ from E12's steps, and its own decade edge.
        {TSeries::E24, 1.05, 1.1},     {TSeries::E24, 2.5, 2.4},    {TSeries::E24, 9.5, 9.1},
        {TSeries::E24, 9.6, 10},       {TSeries::E24, 31.8e-12, 33e-12},
        // E96: three digits, the edge at 9,76 and 10.
        {TSeries::E96, 9.9, 10},       {TSeries::E96, 9.8, 9.76},   {TSeries::E96, 3.3e-12, 3.32e-12},
        {TSeries::E96, 49.9, 49.9},    {TSeries::E96, 1e-6, 1e-6},  {TSeries::E96, 0.01005, 0.01},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "E" << theory::SeriesValues(c.series).size() << " " << c.v);
        EXPECT_EQ(theory::NearestStandard(c.v, c.series), c.nearest);
    }
}

// A slip in the written E96 table: its values are 10^(i/96) to three digits.
TEST(StandardValues, E96IsTheNinetySixthRootOfTenToThreeDigits) {
    const auto e96 = theory::SeriesValues(TSeries::E96);
    ASSERT_EQ(e96.size(), 96u);
    for (std::size_t i = 0; i < e96.size(); ++i)
        EXPECT_EQ(e96[i], std::lround(100 * std::pow(10.0, double(i) / 96))) << i;
}

// At 100 MHz a series L held as 50 Ω (79,58 nH) goes to 82 nH and stays held by its
// reactance; a shunt C of 3 pF in farads goes to 3,3 pF; Q and the line stay; without a
// frequency nothing moves.
TEST(StandardValues, ChainsLAndCMoveAndNothingElse) {
    theory::TChainElement l{theory::TChainKind::L, theory::TPlace::Series, 50};
    l.Reactance = true;
    l.Q = 40;
    const theory::TChain chain{{l, theory::ShuntC(3e-12), theory::ChainLine(0.1, 75)}, 50, 100e6};
    const theory::TChain standard = theory::OnStandardValues(chain, TSeries::E12);
    const double omega = 2 * theory::Pi * 100e6;
    ASSERT_EQ(standard.Elements.size(), 3u);
    EXPECT_TRUE(standard.Elements[0].Reactance);
    EXPECT_EQ(standard.Elements[0].Q, 40);
    EXPECT_NEAR(standard.Elements[0].Value, omega * 82e-9, 1e-12);
    EXPECT_EQ(standard.Elements[1].Value, 3.3e-12);
    EXPECT_EQ(standard.Elements[2], chain.Elements[2]);
    theory::TChain noFrequency = chain;
    noFrequency.F0Hz = 0;
    EXPECT_EQ(theory::OnStandardValues(noFrequency, TSeries::E12), noFrequency);
}

} // namespace
