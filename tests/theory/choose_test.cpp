// The search across a band: every entry's chain, read back from its words, measures as the
// entry says on the chain's own band code; tuning never leaves a topology worse than its
// exact f0 solution; the best E24 L-section is as good as trying every pair of E24 values
// by a reckoning of the test's own; an ask that cannot be searched is refused.
#include "theory/Choose.h"

#include "measured/Touchstone.h"
#include "theory/ChainBand.h"
#include "theory/ChainText.h"
#include "theory/LSection.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

namespace {

using C = std::complex<double>;
using theory::TChooseAsk;
using theory::TLoadModel;
using theory::TPartsSeries;

constexpr double kPi = 3.141592653589793;

// An antenna measured from 0,8 to 1,2 GHz, S11 on 50 Ω.
const char* const kAntenna = "# GHz S RI R 50\n"
                             "0.80 0.55 -0.45\n"
                             "0.90 0.42 -0.30\n"
                             "1.00 0.33 -0.12\n"
                             "1.10 0.30 0.08\n"
                             "1.20 0.34 0.26\n";

TChooseAsk Ask(C load, TLoadModel model, TPartsSeries parts, double low, double high) {
    TChooseAsk a;
    a.Load = {load, 50, model, nullptr, 1e9};
    a.Low = low;
    a.High = high;
    a.Parts = parts;
    a.QInductor = parts == TPartsSeries::Ideal ? 0 : 50;
    a.QCapacitor = parts == TPartsSeries::Ideal ? 0 : 500;
    a.Points = 101;
    return a;
}

// Typed loads and the measured one, ideal and standard parts: each entry's chain, printed
// and read back, gives on ChainBandOver its worst КСВ and width, and is never worse than
// its exact f0 solution; the L-sections tuned are no worse than the best exact one.
TEST(Choose, EntriesMeasureAsTheySayAndTuningNeverLoses) {
    const measured::TMeasuredLoad antenna = measured::ReadTouchstone(kAntenna, 1);
    struct Case {
        C load;
        TLoadModel model;
        TPartsSeries parts;
        double low, high;
    } cases[] = {
        {{100, 50}, TLoadModel::Series, TPartsSeries::Ideal, 0.95, 1.05},
        {{20, -35}, TLoadModel::Series, TPartsSeries::E24, 0.9, 1.1},
        {{150, 0}, TLoadModel::Constant, TPartsSeries::E12, 0.8, 1.2},
        {{0, 0}, TLoadModel::Measured, TPartsSeries::E96, 0.85, 1.15},
    };
    for (const Case& k : cases) {
        TChooseAsk ask = Ask(k.load, k.model, k.parts, k.low, k.high);
        if (k.model == TLoadModel::Measured) ask.Load.Measured = &antenna;
        const std::vector<theory::TChoice> ranked = theory::Choose(ask);
        ASSERT_GT(ranked.size(), 10u) << k.load;
        for (const theory::TChoice& c : ranked) {
            theory::TChain read{theory::ReadChainText(theory::ChainText(c.Chain.Elements), 1e9), 50,
                                1e9};
            ASSERT_EQ(read, c.Chain) << c.Topology;
            const theory::TChainBand b =
                theory::ChainBandOver(read, ask.Load, k.low, k.high, ask.MaxVswr, ask.Points);
            double worst = 1;
            for (double v : b.Curve.Vswr)
                worst = std::fmax(worst, v);
            EXPECT_EQ(worst, c.WorstVswr) << c.Topology;
            EXPECT_DOUBLE_EQ(b.Curve.Vswr2Fraction / (k.high - k.low), c.Width) << c.Topology;
            EXPECT_LE(c.WorstVswr, c.ExactWorstVswr + 1e-9) << c.Topology;
        }
        for (std::size_t i = 1; i < ranked.size(); ++i)
            EXPECT_FALSE(theory::RanksBefore(ranked[i], ranked[i - 1]));
        if (k.parts != TPartsSeries::Ideal) continue;
        double bestExact = INFINITY;
        for (const theory::TLSectionSolution& s : theory::SolveLSection(k.load / 50.0)) {
            const theory::TChain exact = theory::ChainOf(theory::LSectionNetwork(s), 50, 1e9);
            const theory::TChainBand b =
                theory::ChainBandOver(exact, ask.Load, k.low, k.high, 2, ask.Points);
            double worst = 1;
            for (double v : b.Curve.Vswr)
                worst = std::fmax(worst, v);
            bestExact = std::fmin(bestExact, worst);
        }
        double bestL = INFINITY;
        for (const theory::TChoice& c : ranked)
            if (c.Topology.starts_with("Г-звено")) bestL = std::fmin(bestL, c.WorstVswr);
        EXPECT_LE(bestL, bestExact + 1e-9);
    }
}

// A part of the test's own reckoning: impedance in series, or admittance across, at f.
struct Part {
    bool inductor, shunt;
    double value; // H or F
};
C Through(const Part& p, C z, double hz, double qL, double qC) {
    const double w = 2 * kPi * hz;
    const double x = p.inductor ? w * p.value : -1 / (w * p.value);
    const C own(std::fabs(x) / (p.inductor ? qL : qC), x);
    return p.shunt ? 1.0 / (1.0 / z + 1.0 / own) : z + own;
}

// Every E24 pair of every arrangement of one part across and one in series, tried on the
// same frequencies with the same Q: none holds better than the search's best L-section.
TEST(Choose, BestStandardLSectionIsAsGoodAsEveryE24Pair) {
    const measured::TMeasuredLoad antenna = measured::ReadTouchstone(kAntenna, 1);
    TChooseAsk ask = Ask({}, TLoadModel::Measured, TPartsSeries::E24, 0.9, 1.1);
    ask.Load.Measured = &antenna;
    ask.Points = 41;
    double found = INFINITY;
    for (const theory::TChoice& c : theory::Choose(ask))
        if (c.Topology.starts_with("Г-звено")) found = std::fmin(found, c.WorstVswr);
    const int e24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                       33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
    std::vector<double> henries, farads;
    for (double decade = 1e-11; decade < 1e-7; decade *= 10)
        for (int d : e24)
            henries.push_back(d * decade); // 0,1 nH .. 910 nH
    for (double decade = 1e-15; decade < 1e-10; decade *= 10)
        for (int d : e24)
            farads.push_back(d * decade); // 0,01 pF .. 910 pF
    std::vector<C> loads;
    std::vector<double> hz;
    for (int i = 0; i < ask.Points; ++i) {
        hz.push_back(1e9 * (0.9 + 0.2 * i / (ask.Points - 1)));
        loads.push_back(measured::LoadAt(antenna, hz.back()).Ohms);
    }
    const auto worst = [&](const Part& a, const Part& b, double limit) {
        double w = 1;
        for (std::size_t i = 0; i < hz.size() && w < limit; ++i) {
            const C z = Through(b, Through(a, loads[i], hz[i], 50, 500), hz[i], 50, 500);
            const double g = std::abs((z - 50.0) / (z + 50.0));
            w = std::fmax(w, (1 + g) / (1 - g));
        }
        return w;
    };
    double best = INFINITY;
    for (int arrangement = 0; arrangement < 8; ++arrangement) {
        const bool shuntFirst = arrangement & 1, firstL = arrangement & 2,
                   secondL = arrangement & 4;
        for (double v1 : firstL ? henries : farads)
            for (double v2 : secondL ? henries : farads)
                best = std::fmin(best,
                                 worst({firstL, shuntFirst, v1}, {secondL, !shuntFirst, v2}, best));
    }
    EXPECT_LE(found, best * (1 + 1e-6)) << "every pair gives " << best;
}

// Asks that cannot be searched, each refused in Russian.
TEST(Choose, RefusesWhatCannotBeSearched) {
    const measured::TMeasuredLoad antenna = measured::ReadTouchstone(kAntenna, 1);
    const auto with = [](auto change) {
        TChooseAsk a = Ask({100, 50}, TLoadModel::Series, TPartsSeries::E24, 0.95, 1.05);
        change(a);
        return a;
    };
    const TChooseAsk refused[] = {
        with([](TChooseAsk& a) { a.High = a.Low; }),              // an empty band
        with([](TChooseAsk& a) { a.Low = 1.05, a.High = 0.95; }), // a reversed one
        with([](TChooseAsk& a) { a.Low = 1.01; }),                // f0 outside it
        with([](TChooseAsk& a) { a.QInductor = -1; }),            // a Q below 0
        with([](TChooseAsk& a) { a.LoadedQ = 0; }),               // π and T's Q
        with([](TChooseAsk& a) { a.Load.F0Hz = 0; }),             // no f0
        with([](TChooseAsk& a) {
            a.Load.Load = {-5, 10};
        }),                       // nothing to match
        with([&](TChooseAsk& a) { // beyond the file
            a.Load.Model = TLoadModel::Measured, a.Load.Measured = &antenna, a.Low = 0.7;
        }),
    };
    for (const TChooseAsk& a : refused) {
        try {
            theory::TChooser chooser(a);
            ADD_FAILURE() << "not refused: " << a.Low << " " << a.High;
        } catch (const tk::Exception& e) {
            EXPECT_GT(e.Message.size(), 10u);
            EXPECT_EQ(static_cast<unsigned char>(e.Message[0]) & 0xE0, 0xC0) << e.Message;
        }
    }
}

} // namespace
