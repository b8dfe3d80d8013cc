#include "theory/Network.h"

#include "tests/theory/TestLineTheory.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using testing_theory::C;
using theory::TStubKind;

// Every kind of element, alone and in chains, off f0 too: the network's input is what chain
// matrices give.
TEST(Network, InputAsChainMatricesGiveIt) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> u(0.01, 0.49), x(-3, 3);
    const auto element = [&](int kind) -> theory::TElement {
        switch (kind) {
        case 0:
            return theory::Line(u(random), 0.5 + u(random));
        case 1:
            return theory::ShuntStub(u(random), TStubKind::Short);
        case 2:
            return theory::SeriesStub(u(random), TStubKind::Open);
        case 3:
            return theory::SeriesReactance(x(random));
        default:
            return theory::ShuntSusceptance(x(random));
        }
    };
    for (int trial = 0; trial < 200; ++trial) {
        theory::TNetwork n;
        for (int i = 0; i < 1 + trial % 4; ++i)
            n.push_back(element(int(random() % 5)));
        const C z(0.05 + 2 * u(random), x(random));
        for (double k : {0.5, 1.0, 1.37}) {
            const C want = testing_theory::Input(n, z, k), got = theory::InputImpedance(n, z, k);
            EXPECT_NEAR(std::abs(got - want) / std::abs(want), 0, 1e-9) << trial << " at " << k;
        }
    }
}

// The quarter wave of √2 turns 2 into 1 at f0 and not beside it; an open end passes a line
// as its own Г = 1; a short stub across the line at a quarter wave is not there.
TEST(Network, TextbookCases) {
    EXPECT_NEAR(std::abs(theory::InputImpedance({theory::Line(0.25, std::sqrt(2.0))}, 2, 1) - 1.0),
                0, 1e-12);
    EXPECT_DOUBLE_EQ(theory::InputVswr({theory::Line(0.25, std::sqrt(2.0))}, 2, 1), 1);
    EXPECT_GT(theory::InputVswr({theory::Line(0.25, std::sqrt(2.0))}, 2, 1.2), 1.1);
    const C open(std::numeric_limits<double>::infinity(), 0);
    EXPECT_NEAR(std::abs(theory::InputImpedance({theory::Line(0.25)}, open, 1)), 0, 1e-12);
    EXPECT_NEAR(std::abs(theory::InputImpedance({theory::ShuntStub(0.25, TStubKind::Short)},
                                                C(0.5, 0.5), 1) -
                         C(0.5, 0.5)),
                0, 1e-12);
}

} // namespace
