// The C library's way to the decimal texts (the browser's) gives the same bytes and the same
// doubles as the C++ library's, over values chosen to find where two ways of rounding part.
#include "toolkit/DecimalText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace tk {
namespace {

std::uint64_t Next(std::uint64_t& state) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return state ^ (state >> 29);
}

// Doubles of every kind: random bit patterns, random floats widened, halves and quarters
// that sit exactly between two texts, and the ends of the range.
std::vector<double> Values() {
    std::vector<double> values = {0.0,     -0.0,         0.5,    1.5,  2.5,     0.125,
                                  0.375,   2.675,        1e22,   1e23, DBL_MAX, -DBL_MAX,
                                  DBL_MIN, DBL_TRUE_MIN, 5e-324, 9.5,  0.05,    1234.5};
    std::uint64_t state = 0x2545F4914F6CDD1Du;
    for (int i = 0; i < 4000; ++i) {
        std::uint64_t bits = Next(state);
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d)) values.push_back(d);
        const auto bits32 = std::uint32_t(Next(state));
        float f = 0;
        std::memcpy(&f, &bits32, sizeof f);
        if (std::isfinite(f)) values.push_back(double(f));
        values.push_back(double(std::int64_t(Next(state) % 2000001) - 1000000) / 8.0);
        values.push_back(std::ldexp(double(Next(state) % 1000), int(Next(state) % 2100) - 1074));
    }
    return values;
}

TEST(DecimalText, FixedAndScientificAsTheCLibraryWritesThem) {
    for (const double v : Values())
        for (const int places : {0, 1, 2, 3, 6, 17, 40}) {
            ASSERT_EQ(FixedText(v, places), through_c::FixedText(v, places)) << v << " " << places;
            ASSERT_EQ(ScientificText(v, places), through_c::ScientificText(v, places))
                << v << " " << places;
        }
}

// A text read to the nearest double, ties to even, with the ends of the range judged alike.
TEST(DecimalText, ReadsAsTheCLibraryReads) {
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "1",
                                      ".5",
                                      "5.",
                                      "-1.5e-3",
                                      "1E+2",
                                      "000123.4500",
                                      "1e-400",
                                      "-1e-400",
                                      "2.4703282292062327e-324",
                                      "2.4703282292062328e-324",
                                      "1.7976931348623158e308",
                                      "1.7976931348623159e308",
                                      "-1e309",
                                      "1e99999999999",
                                      "0e99999999999",
                                      "0.000e-999999",
                                      "9007199254740993",
                                      "9007199254740993.0000000000000000000001"};
    for (const double v : Values())
        for (const int places : {3, 16, 17, 25})
            texts.push_back(ScientificText(v, places));
    // The exact midpoints between neighbouring doubles, long double holding them exactly.
    std::uint64_t state = 7;
    for (int i = 0; i < 2000; ++i) {
        std::uint64_t bits = Next(state) & 0x7FEFFFFFFFFFFFFFu;
        double a = 0;
        std::memcpy(&a, &bits, sizeof a);
        const long double mid = (static_cast<long double>(a) + std::nextafter(a, DBL_MAX)) / 2;
        char buffer[900];
        std::snprintf(buffer, sizeof buffer, "%.780Le", mid);
        texts.emplace_back(buffer);
    }
    for (const std::string& t : texts) {
        const TDecimalRead ours = ReadDecimal(t), c = through_c::ReadDecimal(t);
        ASSERT_EQ(ours.Outcome, c.Outcome) << t;
        ASSERT_EQ(std::memcmp(&ours.Value, &c.Value, sizeof ours.Value), 0) << t;
    }
}

// Neither way reads what is not a plain decimal, though strtod alone would.
TEST(DecimalText, RefusesAllButPlainDecimals) {
    for (const char* t : {"", "-", ".", "e5", "1e", "1e+", " 1", "1 ", "+1", "0x1p3", "inf", "nan",
                          "1..2", "1.2.3", "1,5", "--1"}) {
        EXPECT_EQ(ReadDecimal(t).Outcome, TDecimalRead::Invalid) << t;
        EXPECT_EQ(through_c::ReadDecimal(t).Outcome, TDecimalRead::Invalid) << t;
    }
    EXPECT_EQ(ReadDecimal("1e-400").Outcome, TDecimalRead::Underflow);
    EXPECT_EQ(ReadDecimal("-1e309").Outcome, TDecimalRead::Overflow);
}

} // namespace
} // namespace tk
