#include "theory/ChainTouchstone.h"

#include "measured/Touchstone.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using C = std::complex<double>;
using theory::TPlace;
using theory::TStubKind;

// The file read back by the Touchstone reader, whose port 2 is closed by Zв: a load ZL is
// put there by a transformer of √(R/Zв) and a series reactance X ahead of the chain, so
// the reader's port-1 load is the chain's input for ZL at every frequency, to 1e-9.
TEST(ChainTouchstone, ReadBackAndTerminatedGivesTheInput) {
    const theory::TChain chain{
        {theory::SeriesL(12e-9, 80), theory::ShuntC(2.2e-12), theory::ChainLine(0.1, 75, 0.5),
         theory::ChainStub(TPlace::Shunt, TStubKind::Short, 0.125), theory::Transformer(1.3)},
        50,
        433.92e6};
    std::vector<double> ratios;
    for (int i = 0; i <= 100; ++i)
        ratios.push_back(0.5 + i / 100.0);
    for (const C load : {C(50, 0), C(120, 0), C(20, -35)}) {
        theory::TChain terminated = chain;
        // X at f0 as a reactance element; the check is at f0 itself only for it.
        terminated.Elements.insert(terminated.Elements.begin(),
                                   theory::Transformer(std::sqrt(load.real() / 50)));
        if (load.imag() != 0)
            terminated.Elements.insert(
                terminated.Elements.begin() + 1,
                theory::TChainElement{theory::TChainKind::C, TPlace::Series, -load.imag(), true});
        const measured::TMeasuredLoad read =
            measured::ReadTouchstone(theory::ChainTouchstone(terminated, ratios), 2);
        ASSERT_EQ(read.Points.size(), ratios.size());
        for (std::size_t i = 0; i < ratios.size(); ++i) {
            const double k = ratios[i];
            const C here = load.imag() == 0 ? load : C(load.real(), load.imag() / k);
            const C want = theory::InputOhms(chain, here, k);
            ASSERT_TRUE(read.Points[i].Ohms);
            EXPECT_NEAR(std::abs(*read.Points[i].Ohms - want) / std::abs(want), 0, 1e-9) << k;
            EXPECT_EQ(read.Points[i].Hz, k * chain.F0Hz);
        }
    }
    EXPECT_THROW(theory::ChainTouchstone({{}, 50, 0}, ratios), tk::Exception);
}

} // namespace
