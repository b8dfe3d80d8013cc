#include "theory/Chain.h"
#include "theory/ChainBand.h"
#include "theory/DoubleStub.h"
#include "theory/LSection.h"
#include "theory/QuarterWave.h"
#include "theory/SeriesStub.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>

namespace {

using C = std::complex<double>;
using theory::TChainElement;
using theory::TChainKind;
using theory::TPlace;
using theory::TStubKind;

constexpr double kPi = 3.141592653589793, kLight = 299792458.0;

// Chain matrices written again with the C library's functions: a series Z, a shunt Y, a
// line's [ch γl, Zc sh γl; sh γl/Zc, ch γl], a transformer's [n 0; 0 1/n].
struct TMatrix {
    C A = 1, B = 0, Cc = 0, D = 1;
};
TMatrix Toward(const TMatrix& nearer, const TMatrix& m) {
    return {m.A * nearer.A + m.B * nearer.Cc, m.A * nearer.B + m.B * nearer.D,
            m.Cc * nearer.A + m.D * nearer.Cc, m.Cc * nearer.B + m.D * nearer.D};
}
TMatrix Placed(TPlace place, C z) {
    return place == TPlace::Series ? TMatrix{1, z, 0, 1} : TMatrix{1, 0, 1.0 / z, 1};
}
TMatrix Reference(const TChainElement& e, double zv, double f0, double k) {
    const double w = 2 * kPi * f0 * k;
    const double z0 = e.Z0 > 0 ? e.Z0 : zv;
    const double waves = (e.Vf > 0 ? e.Value * f0 / (e.Vf * kLight) : e.Value) * k;
    switch (e.Kind) {
    case TChainKind::L:
    case TChainKind::C: {
        const double x = e.Kind == TChainKind::L
                             ? (e.Reactance ? e.Value * k : w * e.Value)
                             : (e.Reactance ? -e.Value / k : -1 / (w * e.Value));
        return Placed(e.Place, C(e.Q > 0 ? std::abs(x) / e.Q : 0, x));
    }
    case TChainKind::R:
        return Placed(e.Place, e.Value);
    case TChainKind::Line: {
        const C gl(e.Loss * waves * std::log(10.0) / 20, 2 * kPi * waves);
        return {std::cosh(gl), z0 * std::sinh(gl), std::sinh(gl) / z0, std::cosh(gl)};
    }
    case TChainKind::Stub: {
        const double t = std::tan(2 * kPi * waves);
        return Placed(e.Place, e.End == TStubKind::Short ? C(0, z0 * t) : C(0, -z0 / t));
    }
    case TChainKind::Transformer:
        return {e.Value, 0, 0, 1 / e.Value};
    }
    return {};
}

TChainElement RandomElement(std::mt19937& random) {
    std::uniform_real_distribution<double> u(0.01, 0.49), q(5, 300);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const TPlace place = pick(2) ? TPlace::Series : TPlace::Shunt;
    const double qOrNone = pick(2) ? q(random) : 0;
    switch (pick(8)) {
    case 0:
        return pick(2) ? TChainElement{TChainKind::L, place, u(random) * 40e-9, false, qOrNone}
                       : TChainElement{TChainKind::L, place, u(random) * 200, true, qOrNone};
    case 1:
        return pick(2) ? TChainElement{TChainKind::C, place, u(random) * 20e-12, false, qOrNone}
                       : TChainElement{TChainKind::C, place, u(random) * 200, true, qOrNone};
    case 2:
        return {TChainKind::R, place, 1 + u(random) * 200};
    case 3:
        return theory::ChainLine(u(random), pick(2) ? 20 + 100 * u(random) : 0, 3 * u(random));
    case 4: {
        TChainElement e = theory::ChainLine(u(random) * 0.1, 0, u(random));
        e.Vf = 0.5 + u(random);
        return e;
    }
    case 5:
        return theory::ChainStub(place, pick(2) ? TStubKind::Short : TStubKind::Open, u(random),
                                 pick(2) ? 30 + 100 * u(random) : 0);
    default:
        return theory::Transformer(0.3 + 3 * u(random));
    }
}

// Random chains of every kind, at and off f0: each node and the input are what the
// reference matrices give, and the S-parameters terminated by the load give the input.
TEST(Chain, InputAsReferenceMatricesGiveIt) {
    std::mt19937 random(42);
    std::uniform_real_distribution<double> r(1, 300), x(-300, 300);
    for (int trial = 0; trial < 300; ++trial) {
        theory::TChain chain{{}, 50, 433.92e6};
        for (int i = 0; i < 1 + trial % 8; ++i)
            chain.Elements.push_back(RandomElement(random));
        const C load(r(random), x(random));
        for (double k : {0.5, 1.0, 1.37}) {
            const std::vector<C> nodes = theory::NodeOhms(chain, load, k);
            ASSERT_EQ(nodes.size(), chain.Elements.size() + 1);
            TMatrix m;
            for (std::size_t i = 0; i < chain.Elements.size(); ++i) {
                m = Toward(m, Reference(chain.Elements[i], 50, 433.92e6, k));
                const C want = (m.A * load + m.B) / (m.Cc * load + m.D);
                EXPECT_NEAR(std::abs(nodes[i + 1] - want) / std::abs(want), 0, 1e-9)
                    << trial << " node " << i + 1 << " at " << k;
            }
            const theory::TSParameters s =
                theory::SParametersOf(theory::AbcdOf(chain, k), chain.LineOhms);
            const C gl = (load - 50.0) / (load + 50.0);
            const C gin = s.S11 + s.S12 * s.S21 * gl / (1.0 - s.S22 * gl);
            const C in = 50.0 * (1.0 + gin) / (1.0 - gin);
            EXPECT_NEAR(std::abs(in - nodes.back()) / std::abs(nodes.back()), 0, 1e-9) << trial;
        }
    }
}

// Textbook cases and the readings at a node.
TEST(Chain, TextbookCasesAndReadings) {
    const theory::TChain quarter{{theory::ChainLine(0.25, std::sqrt(5000.0))}, 50};
    EXPECT_NEAR(std::abs(theory::InputOhms(quarter, 100, 1) - 50.0), 0, 1e-9);
    const theory::TChain transformer{{theory::Transformer(2)}, 50};
    EXPECT_NEAR(std::abs(theory::InputOhms(transformer, 12.5, 1.3) - 50.0), 0, 1e-12);
    // 0,1 λ at 1 dB/λ one way: |Г| falls by 10^(-2·0,1/20).
    const theory::TChain lossy{{theory::ChainLine(0.1, 0, 1)}, 50};
    const double rho = std::abs((C(100, 0) - 50.0) / (C(100, 0) + 50.0));
    EXPECT_NEAR(theory::ReadingOf(theory::InputOhms(lossy, 100, 1), 50).GammaAbs,
                rho * std::pow(10, -0.01), 1e-12);
    const theory::TNodeReading r = theory::ReadingOf({100, 50}, 50);
    EXPECT_NEAR(std::abs(r.Z - C(2, 1)), 0, 1e-15);
    EXPECT_NEAR(std::abs(r.Y - C(0.4, -0.2)), 0, 1e-15);
    EXPECT_NEAR(r.Vswr, 2.618033988749895, 1e-12);
    EXPECT_NEAR(theory::ReturnLossDb(r.GammaAbs), -20 * std::log10(std::sqrt(0.2)), 1e-12);
    EXPECT_DOUBLE_EQ(r.Q, 0.5);
}

// A method's exact solution taken into a chain has the method's input, at f0 (Zв: matched)
// and off it, lumped elements as reactances or, with f0, in henries and farads.
TEST(Chain, MethodsSolutionsGiveTheirOwnInput) {
    const double zv = 50;
    for (C z : {C(2, 1), C(0.3, -0.8), C(4, 0)}) {
        std::vector<theory::TNetwork> networks;
        const theory::TStubSolutions single = theory::SolveStubMatch(z, TStubKind::Short);
        networks.push_back({theory::Line(single.First.Distance),
                            theory::ShuntStub(single.First.Stub, TStubKind::Short)});
        const theory::TSeriesStubSolutions series = theory::SolveSeriesStub(z, TStubKind::Open);
        networks.push_back(theory::SeriesStubNetwork(series.Second, TStubKind::Open));
        const theory::TDoubleStubSolutions dbl =
            theory::SolveDoubleStub(z, TStubKind::Short, 0, 0.125);
        networks.push_back(
            theory::DoubleStubNetwork(dbl.First, TStubKind::Short, dbl.FirstStub, 0.125));
        const theory::TQuarterWaveSolutions quarter = theory::SolveQuarterWave(z);
        networks.push_back(theory::QuarterWaveNetwork(quarter.Minimum));
        for (const theory::TLSectionSolution& l : theory::SolveLSection(z))
            networks.push_back(theory::LSectionNetwork(l));
        for (const theory::TNetwork& n : networks)
            for (double f0 : {0.0, 1e9})
                for (double k : {1.0, 1.3}) {
                    const C want = theory::InputImpedance(n, z, k) * zv;
                    const C got = theory::InputOhms(theory::ChainOf(n, zv, f0), z * zv, k);
                    EXPECT_NEAR(std::abs(got - want) / std::abs(want), 0, 1e-9) << z << " " << k;
                    if (k == 1) {
                        EXPECT_NEAR(std::abs(got - zv), 0, 1e-7) << z;
                    }
                }
    }
}

// The band: 1001 points over 0,5 .. 1,5 f0 with f0 in the middle; a wider limit, a wider
// band; at every point (turns advanced a step at a time between fresh ones) Г is the
// chain's own.
TEST(Chain, BandFollowsTheChainAndTheLimit) {
    const theory::TChain quarter{{theory::ChainLine(0.25, std::sqrt(20000.0))}, 50};
    const theory::TBandLoad load{400, 50, theory::TLoadModel::Constant};
    const theory::TChainBand two = theory::ChainBand(quarter, load);
    ASSERT_EQ(two.Ratio.size(), 1001u);
    EXPECT_DOUBLE_EQ(two.Ratio[500], 1);
    EXPECT_NEAR(two.Curve.Vswr[500], 1, 1e-12);
    EXPECT_GT(theory::ReturnLossDb(std::abs(two.Gamma[500])), 100);
    const theory::TChainBand three = theory::ChainBand(quarter, load, 3);
    EXPECT_GT(three.Curve.Vswr2Fraction, two.Curve.Vswr2Fraction);
    EXPECT_GT(two.Curve.Vswr2Fraction, 0.2);
    EXPECT_FALSE(two.Curve.Vswr2Bounded());

    const theory::TChain mixed{{theory::ChainLine(0.3, 75, 2), theory::SeriesL(12e-9, 40),
                                theory::ChainStub(TPlace::Shunt, TStubKind::Open, 0.17, 60)},
                               50,
                               1e9};
    const theory::TBandLoad series{{30, -40}, 50, theory::TLoadModel::Series};
    const theory::TChainBand b = theory::ChainBand(mixed, series);
    for (std::size_t i : {0u, 1u, 49u, 50u, 777u, 1000u}) {
        const double k = b.Ratio[i];
        const C in = theory::InputOhms(mixed, C(30, -40 / k), k);
        EXPECT_NEAR(std::abs(b.Gamma[i] - (in - 50.0) / (in + 50.0)), 0, 1e-12) << k;
    }
}

} // namespace
