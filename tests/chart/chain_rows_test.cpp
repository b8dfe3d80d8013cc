#include "chart/ChainRows.h"

#include "tests/common/ScopedDecimalSeparator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace theory;

TChainElement Reactance(TChainKind kind, double ohms) {
    TChainElement e{kind, TPlace::Series, ohms};
    e.Reactance = true;
    return e;
}

// What the list shows of a value, with and without a frequency: L and C held as ohms of
// reactance, written in nH and pF at 100 MHz (50 Ω: 79,58 nH; 31,83 pF).
TEST(ChainRows, ValuesInTheUnitsTheWindowShows) {
    const testing_common::ScopedDecimalSeparator comma(',');
    const struct {
        TChainElement e;
        double f0Hz;
        const char* text;
    } rows[] = {
        {Reactance(TChainKind::L, 50), 1e8, "79,58 нГн"},
        {Reactance(TChainKind::C, 50), 1e8, "31,83 пФ"},
        {Reactance(TChainKind::L, 50), 1e3, "7,958 мГн"},
        {Reactance(TChainKind::L, 50), 0, "XL = 50 Ом"},
        {Reactance(TChainKind::C, 12.5), 0, "XC = 12,5 Ом"},
        {SeriesR(330), 1e8, "330 Ом"},
        {ChainLine(0.125, 75), 1e8, "0,125 λ, Zв 75 Ом"},
        {Transformer(1.5), 0, "1,5 : 1"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(chart::ValueText(r.e, r.f0Hz), r.text);
}

// A value typed in the unit shown reads back to the same element; the slider's positions
// and values map onto each other both ways, its middle the value it was set on (a line's
// when it is over λ/4 long: its range starts at nothing).
TEST(ChainRows, ShownValuesAndSliderPositionsRoundTrip) {
    const TChainElement kinds[] = {Reactance(TChainKind::L, 40), Reactance(TChainKind::C, 40),
                                   SeriesR(40), ChainLine(0.3), Transformer(2)};
    for (const TChainElement& e : kinds) {
        SCOPED_TRACE(chart::ElementName(e));
        for (const double f0 : {0.0, 433.92e6})
            EXPECT_NEAR(chart::ValueFromShown(e, chart::ShownValue(e, f0), f0), e.Value,
                        1e-12 * e.Value);
        for (const int p : {1, 250, 499, 500, 501, 1000})
            EXPECT_EQ(chart::SliderPosition(e, e.Value, chart::SliderValue(e, e.Value, p)), p);
        EXPECT_DOUBLE_EQ(chart::SliderValue(e, e.Value, 500), e.Value);
    }
}

} // namespace
