// The band response against the textbook's lossless line, computed here on its own: the
// input impedance (z + j tan βl)/(1 + j z tan βl) of the line from the load, the stub's
// admittance -j cot βl (short) or j tan βl (open) beside it, each βl grown with f/f0.
#include "theory/BandResponse.h"
#include "theory/SeriesStub.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using theory::TComplex;
using theory::TLoadModel;
using theory::TStubKind;
constexpr double kPi = 3.141592653589793;
const TComplex j(0, 1);

TComplex ModelLoad(TComplex ohms, TLoadModel model, double k) {
    if (model == TLoadModel::Series && ohms.imag() > 0) return {ohms.real(), ohms.imag() * k};
    if (model == TLoadModel::Series && ohms.imag() < 0) return {ohms.real(), ohms.imag() / k};
    return ohms;
}

// КСВ at the junction of a line of `d` and a stub of `l` wavelengths, at k = f/f0.
double TextbookVswr(TComplex z, double d, double l, TStubKind kind, double k) {
    const double t = std::tan(2 * kPi * d * k);
    const TComplex zIn = (z + j * t) / (1.0 + j * z * t);
    const double s = std::tan(2 * kPi * l * k);
    const TComplex y = 1.0 / zIn + (kind == TStubKind::Short ? -j / s : j * s);
    const double g = std::abs((1.0 - y) / (1.0 + y));
    return (1 + g) / (1 - g);
}

theory::TBandInput Input(TComplex ohms, TStubKind kind, TLoadModel model) {
    theory::TBandInput in;
    in.Load = ohms;
    in.Line = 50;
    in.Kind = kind;
    in.Exact = theory::SolveStubMatch(ohms / 50.0, kind);
    in.Chart = theory::AsPrinted(in.Exact.First);
    in.Model = model;
    return in;
}

struct Load {
    TComplex ohms;
    TStubKind kind;
    TLoadModel model;
};
const Load kLoads[] = {
    {{100, 50}, TStubKind::Short, TLoadModel::Series},
    {{100, 50}, TStubKind::Open, TLoadModel::Constant},
    {{25, -40}, TStubKind::Short, TLoadModel::Series},
    {{25, -40}, TStubKind::Open, TLoadModel::Series},
    {{150, 0}, TStubKind::Open, TLoadModel::Series},
    {{10, 200}, TStubKind::Short, TLoadModel::Constant},
};

// Every point of all three curves is the textbook's КСВ, the series load's X grown (L) or
// shrunk (C) with f; f0 is the middle point, where both exact solutions match.
TEST(BandResponse, CurvesFollowTheTextbookLine) {
    for (const Load& c : kLoads) {
        const theory::TBandInput in = Input(c.ohms, c.kind, c.model);
        const theory::TBandResponse r = theory::MatchBand(in, 101);
        ASSERT_EQ(r.Ratio.size(), 101u);
        EXPECT_EQ(r.Ratio.front(), 0.5);
        EXPECT_EQ(r.Ratio[50], 1.0);
        EXPECT_EQ(r.Ratio.back(), 1.5);
        EXPECT_NEAR(r.First.Vswr[50], 1, 1e-9) << c.ohms;
        EXPECT_NEAR(r.Second.Vswr[50], 1, 1e-9) << c.ohms;
        for (std::size_t i = 0; i < r.Ratio.size(); ++i) {
            const double k = r.Ratio[i];
            const TComplex z = ModelLoad(c.ohms, c.model, k) / 50.0;
            const auto want = [&](const theory::TStubMatch& m) {
                return TextbookVswr(z, m.Distance, m.Stub, c.kind, k);
            };
            const double first = want(in.Exact.First), second = want(in.Exact.Second),
                         chart = want(in.Chart);
            EXPECT_NEAR(r.First.Vswr[i], first, 1e-9 * first) << c.ohms << " " << k;
            EXPECT_NEAR(r.Second.Vswr[i], second, 1e-9 * second) << c.ohms << " " << k;
            EXPECT_NEAR(r.Chart.Vswr[i], chart, 1e-9 * chart) << c.ohms << " " << k;
        }
    }
}

// Without a stub (a matched load) the curves are the load's own КСВ: the series model's L
// gives half its X at 0,5 f0, its C twice; R alone stays.
TEST(BandResponse, SeriesModelScalesTheReactance) {
    const struct {
        TComplex ohms;
        double vswrAtHalf; // КСВ of the load at 0,5 f0 on 50 Ом
    } cases[] = {
        {{50, 50}, 1.6403882032022077}, // z = 1 + j0,5
        {{50, -50}, 5.828427124746191}, // z = 1 - j2
        {{75, 0}, 1.5},
    };
    for (const auto& c : cases) {
        theory::TBandInput in = Input(c.ohms, TStubKind::Short, TLoadModel::Series);
        in.Exact.Case = theory::TMatchCase::Matched;
        const theory::TBandResponse r = theory::MatchBand(in, 3);
        EXPECT_NEAR(r.First.Vswr[0], c.vswrAtHalf, 1e-12) << c.ohms;
        EXPECT_NEAR(r.Second.Vswr[0], c.vswrAtHalf, 1e-12) << c.ohms;
    }
}

// Solves КСВ = 2 on the textbook line by bisection between a ratio inside the band and one
// outside.
double Crossing(const theory::TBandInput& in, double inside, double outside) {
    const auto vswr = [&](double k) {
        const TComplex z = ModelLoad(in.Load, in.Model, k) / 50.0;
        return TextbookVswr(z, in.Exact.First.Distance, in.Exact.First.Stub, in.Kind, k);
    };
    for (int i = 0; i < 100; ++i) {
        const double mid = (inside + outside) / 2;
        (vswr(mid) <= 2 ? inside : outside) = mid;
    }
    return inside;
}

// The КСВ <= 2 band: the crossings the textbook line gives on either side of f0, to what
// straight lines between points a thousandth of f0 apart can find; the whole sweep when КСВ
// never reaches 2; nothing when f0 itself is above 2.
TEST(BandResponse, Vswr2BandBetweenTheCrossings) {
    for (const Load& c : {kLoads[0], kLoads[2], kLoads[3]}) {
        const theory::TBandInput in = Input(c.ohms, c.kind, c.model);
        const double want = Crossing(in, 1, 1.5) - Crossing(in, 1, 0.5);
        EXPECT_NEAR(theory::MatchBand(in).First.Vswr2Fraction, want, 1e-5) << c.ohms;
        EXPECT_FALSE(theory::MatchBand(in).First.Vswr2Bounded()) << c.ohms;
    }
    theory::TBandInput near = Input({60, 0}, TStubKind::Short, TLoadModel::Constant);
    near.Exact.Case = theory::TMatchCase::Matched; // КСВ 1,2 at every frequency
    EXPECT_DOUBLE_EQ(theory::MatchBand(near).First.Vswr2Fraction, 1.0);
    EXPECT_TRUE(theory::MatchBand(near).First.Vswr2Everywhere());
    // Matched with a stub, 60 ohms stays below 2 to 1,5 f0 but not down to 0,5: a bound.
    const theory::TBandCurve upward =
        theory::MatchBand(Input({60, 0}, TStubKind::Short, TLoadModel::Constant)).First;
    EXPECT_TRUE(upward.Vswr2ToHighEdge && !upward.Vswr2ToLowEdge);

    theory::TBandInput off = Input({100, 50}, TStubKind::Short, TLoadModel::Series);
    off.Chart = {0.1, 0, 0.3};
    ASSERT_GT(theory::MatchBand(off, 3).Chart.Vswr[1], 2);
    EXPECT_EQ(theory::MatchBand(off).Chart.Vswr2Fraction, 0);
}

// A band a few sweep points wide is as wide as the response's own crossings of 2, however
// finely it is swept: 5 - j200 ohms on 50, series stub, open, solution 2 is 0,133 %, where a
// straight line between points a thousandth of f0 apart made it 0,113 %.
TEST(BandResponse, NarrowBandFromTheResponsesOwnCrossings) {
    theory::TBandLoad load;
    load.Load = {5, -200};
    load.Line = 50;
    const auto solutions = theory::SolveSeriesStub(load.Load / 50.0, TStubKind::Open);
    const theory::TNetwork networks[] = {
        theory::SeriesStubNetwork(solutions.Second, TStubKind::Open)};
    const double swept = theory::NetworksBand(load, networks).Curves[0].Vswr2Fraction;
    EXPECT_NEAR(swept, 0.00133, 0.000005);
    for (int points : {11, 101, 20001})
        EXPECT_NEAR(theory::NetworksBand(load, networks, points).Curves[0].Vswr2Fraction, swept,
                    1e-12)
            << points;
}

// A measured load is swept over its own band, f/f0 from the file's frequencies, the load
// between points on the straight line: two points of one impedance behave as a constant load.
TEST(BandResponse, MeasuredBandIsTheFilesOwn) {
    const measured::TMeasuredLoad file{
        {{0.8e9, theory::TComplex(100, 50)}, {1.2e9, theory::TComplex(100, 50)}}, 50};
    theory::TBandInput in = Input({100, 50}, TStubKind::Short, TLoadModel::Measured);
    in.Measured = &file;
    in.F0Hz = 1e9;
    const theory::TBandResponse r = theory::MatchBand(in, 5);
    ASSERT_EQ(r.Ratio.size(), 5u);
    EXPECT_DOUBLE_EQ(r.Ratio.front(), 0.8);
    EXPECT_DOUBLE_EQ(r.Ratio.back(), 1.2);
    for (std::size_t i = 0; i < r.Ratio.size(); ++i) {
        const double want = TextbookVswr({2, 1}, in.Exact.First.Distance, in.Exact.First.Stub,
                                         TStubKind::Short, r.Ratio[i]);
        EXPECT_NEAR(r.First.Vswr[i], want, 1e-9 * want) << r.Ratio[i];
    }
    in.F0Hz = 0; // no f0: nothing to sweep against
    EXPECT_TRUE(theory::MatchBand(in).Ratio.empty());
}

} // namespace
