#include "theory/ChainPath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <string>

namespace {

using theory::TComplex;
using namespace theory;

constexpr double kF0 = 1e8; // 100 MHz
constexpr double kOmega = 2 * 3.141592653589793 * kF0;

TComplex ZOf(TComplex gamma) { // normalised to the chart's 50 Ω
    return (1.0 + gamma) / (1.0 - gamma);
}

// Every kind of element, on a load well off the centre.
const TChain kEveryKind{{SeriesL(40 / kOmega), ShuntC(1 / (kOmega * 70)), SeriesR(12),
                         ShuntL(90 / kOmega, 40), ChainLine(0.13), ChainLine(0.21, 75, 0.4),
                         ChainStub(TPlace::Shunt, TStubKind::Short, 0.07),
                         ChainStub(TPlace::Series, TStubKind::Open, 0.19, 100), Transformer(1.7),
                         SeriesC(1 / (kOmega * 35), 200), ShuntR(300)},
                        50,
                        kF0};
const TComplex kLoad{18, -27};

TEST(ChainPath, EachPathRunsFromTheNodeBeforeItsElementToTheNodeAfter) {
    const auto paths = ChainPaths(kEveryKind, kLoad);
    const auto nodes = NodeOhms(kEveryKind, kLoad, 1);
    ASSERT_EQ(paths.size(), kEveryKind.Elements.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE("element " + std::to_string(i + 1));
        ASSERT_GE(paths[i].size(), 64u);
        EXPECT_LT(std::abs(paths[i].front() - ReadingOf(nodes[i], 50).Gamma), 1e-12);
        EXPECT_LT(std::abs(paths[i].back() - ReadingOf(nodes[i + 1], 50).Gamma), 1e-12);
    }
}

// What each kind keeps along its path: the arc it is drawn as on the chart.
TEST(ChainPath, EachElementKeepsWhatItsArcOnTheChartKeeps) {
    using Kept = std::function<double(TComplex)>;
    const Kept r = [](TComplex g) { return ZOf(g).real(); };
    const Kept gee = [](TComplex g) { return (1.0 / ZOf(g)).real(); };
    const Kept absG = [](TComplex g) { return std::abs(g); };
    const Kept ownAbsG75 = [](TComplex g) { // |Г| on 75 Ω of the point shown on 50 Ω
        const TComplex z = ZOf(g) * 50.0 / 75.0;
        return std::abs((z - 1.0) / (z + 1.0));
    };
    const struct {
        const char* name;
        TChainElement element;
        Kept kept;
    } cases[] = {
        {"series L keeps r", SeriesL(40 / kOmega), r},
        {"series C keeps r", SeriesC(1 / (kOmega * 35)), r},
        {"series stub keeps r", ChainStub(TPlace::Series, TStubKind::Short, 0.19, 100), r},
        {"shunt C keeps g", ShuntC(1 / (kOmega * 70)), gee},
        {"shunt L keeps g", ShuntL(90 / kOmega), gee},
        {"shunt stub keeps g", ChainStub(TPlace::Shunt, TStubKind::Open, 0.4), gee},
        {"a line of the chart's Zв keeps |Г|", ChainLine(0.37), absG},
        {"a long line of the chart's Zв keeps |Г|", ChainLine(2.3), absG},
        {"a line of 75 Ω keeps its own |Г|", ChainLine(0.3, 75), ownAbsG75},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TChain chain{{c.element}, 50, kF0};
        const auto path = ChainPaths(chain, kLoad)[0];
        const double start = c.kept(path.front());
        for (const TComplex& g : path)
            ASSERT_NEAR(c.kept(g), start, 1e-9);
        EXPECT_GT(std::abs(path.back() - path.front()), 0.05); // it does move
    }
}

} // namespace
