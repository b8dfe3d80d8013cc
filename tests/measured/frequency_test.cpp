// Frequencies as people type them and as the programs write them.
#include "measured/Frequency.h"
#include "tests/common/ScopedDecimalSeparator.h"

#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

namespace {

// Units in either alphabet and any case, blanks or none, either decimal separator,
// exponents, each the double nearest the decimal typed; refused: no number, an unknown unit,
// nothing positive and finite.
TEST(Frequency, ReadsWithUnits) {
    testing_common::ScopedDecimalSeparator sep(',');
    const struct {
        const char* text;
        double hz; // 0: refused
    } cases[] = {
        {"433,92 МГц", 433.92e6},
        {"2.4 GHz", 2.4e9},
        {"1.037 GHz", 1.037e9},
        {"2,4ГГц", 2.4e9},
        {"100e6", 100e6},
        {" 50 ", 50},
        {"1 kHz", 1e3},
        {"1KHZ", 1e3},
        {"1 кГц", 1e3},
        {"1 МГЦ", 1e6},
        {"3 ghz", 3e9},
        {"1e-3 GHz", 1e6},
        {"7 Гц", 7},
        {"", 0},
        {"  ", 0},
        {"МГц", 0},
        {"abc", 0},
        {"5 MHzz", 0},
        {"5 MH z", 0},
        {"-5 MHz", 0},
        {"0", 0},
        {"1e400", 0},
        {"1e300 GHz", 0},
        {"5 5 MHz", 0},
        {"1,2.3 Hz", 0},
    };
    for (const auto& c : cases) {
        if (c.hz == 0) {
            try {
                measured::ReadFrequency(c.text);
                ADD_FAILURE() << "accepted «" << c.text << "»";
            } catch (const tk::Exception& e) {
                EXPECT_EQ(e.Message.rfind("Частота", 0), 0u) << e.Message;
            }
            continue;
        }
        EXPECT_EQ(measured::ReadFrequency(c.text), c.hz) << c.text;
    }
}

// The largest unit that leaves a number of at least one, the digits without trailing zeros.
TEST(Frequency, WritesForPeople) {
    testing_common::ScopedDecimalSeparator sep(',');
    const struct {
        double hz;
        const char* text;
    } cases[] = {
        {2.4e9, "2,4 ГГц"}, {433.92e6, "433,92 МГц"}, {50, "50 Гц"},
        {1500, "1,5 кГц"},  {999.5, "999,5 Гц"},      {1e6, "1 МГц"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(measured::FrequencyText(c.hz), c.text) << c.hz;
}

} // namespace
