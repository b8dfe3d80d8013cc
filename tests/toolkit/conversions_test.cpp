#include "tests/common/ScopedDecimalSeparator.h"
#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <optional>
#include <string>
#include <vector>

namespace tk {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TFormatSettings WithSeparator(char separator) {
    TFormatSettings settings;
    settings.DecimalSeparator = separator;
    return settings;
}

struct FormatCase {
    double value;
    int precision;
    int digits;
    const char* expected;
};

void ExpectFormats(const std::vector<FormatCase>& cases, char separator) {
    const TFormatSettings settings = WithSeparator(separator);
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FloatToStrF(c.value, c.precision, c.digits, settings), c.expected)
            << "value " << c.value << " precision " << c.precision << " digits " << c.digits;
    }
}

// ---------------------------------------------------------------------------------------
// FloatToStrF

// Labels and results the tools show, most from single-precision values widened to double.
TEST(FloatToStrF, ChartAndResultTextsWithComma) {
    ExpectFormats(
        {
            {1.0, 3, 1, "1,0"},
            {10.0, 3, 1, "10,0"},
            {50.0, 3, 1, "50,0"},
            {0.0, 3, 1, "0,0"},
            {double(0.1f), 3, 1, "0,1"},
            {double(1.0000001f), 3, 1, "1,0"},
            {double(0.4472136f), 5, 4, "0,4472"},
            {double(0.99733531f), 5, 4, "0,9973"},
            {double(749.55768f), 5, 4, "749,5600"},
            {2.6180339887, 5, 4, "2,6180"},
            {0.3819660113, 5, 4, "0,3820"},
            {0.161896, 4, 3, "0,162"},
            {double(0.49999997f), 4, 3, "0,500"},
            {-0.2, 5, 4, "-0,2000"},
            {14.0, 5, 2, "14,00"},
            {0.0, 4, 2, "0,00"},
        },
        ',');
}

// The r labels come from a single-precision loop; the accumulated error must not show.
TEST(FloatToStrF, SinglePrecisionLoopValuesPrintAsIntended) {
    const TFormatSettings comma = WithSeparator(',');
    const char* expected[] = {"0,0", "0,1", "0,2", "0,3", "0,4", "0,5",
                              "0,6", "0,7", "0,8", "0,9", "1,0"};
    float r = 0;
    for (const char* text : expected) {
        EXPECT_EQ(FloatToStrF(r, 3, 1, comma), text) << "r = " << r;
        r = static_cast<float>(r + 0.1f);
    }
}

// Products of two floats that land just below a half-way point must round down: the
// wavelength ring reads 0,06 / 0,12 / 0,37 where exact arithmetic would give 0,07 / 0,13 /
// 0,38.
TEST(FloatToStrF, WavelengthRingLabels) {
    const TFormatSettings comma = WithSeparator(',');
    const float radToWaves = 0.0795774683f;
    const char* expected[] = {"0,00", "0,06", "0,12", "0,19", "0,25", "0,31", "0,37", "0,44"};
    float a = 0;
    for (const char* text : expected) {
        EXPECT_EQ(FloatToStrF(double(radToWaves) * double(a), 3, 2, comma), text);
        a = static_cast<float>(a + 0.7853981633974483);
    }
}

// Half-way cases are decided on the 18-digit expansion, half away from zero.
TEST(FloatToStrF, RoundsOnceHalfAwayFromZero) {
    ExpectFormats(
        {
            {0.12499999, 3, 2, "0,12"},
            {0.125, 3, 2, "0,13"},
            {-0.125, 3, 2, "-0,13"},
            {2.675, 3, 2, "2,67"}, // 2.67499999999999982
            {1.5, 1, 0, "2"},
            {2.5, 1, 0, "3"},
            {-2.5, 1, 0, "-3"},
            {0.5, 1, 0, "1"},
            {0.49999999999999994, 1, 0, "0"},
            {0.005, 3, 2, "0,01"}, // the cut-off falls just above the first digit
            {0.0049999, 3, 2, "0,00"},
            {0.0005, 3, 2, "0,00"},  // the first digit lies below the cut-off
            {9.995, 3, 2, "9,99"},   // 9.99499999999999922
            {9.9951, 3, 2, "10,00"}, // carry adds an integer digit
            {99.96, 3, 1, "100,0"},
        },
        ',');
}

// The smaller of the two limits wins: significant digits or decimals.
TEST(FloatToStrF, PrecisionCapsTheDecimals) {
    ExpectFormats(
        {
            {749.55768, 5, 4, "749,5600"},
            {12.345, 2, 3, "12,000"},
            {0.012345, 2, 4, "0,0120"},
            {0.75, 1, 2, "0,80"},
            {1234.0, 4, 0, "1234"},
            {0.1, 18, 18, "0,100000000000000006"},
            {1.0 / 3.0, 18, 18, "0,333333333333333315"},
        },
        ',');
}

// An integer part wider than the precision switches to the exponent form; the exponent is
// padded to D places only for D up to 4.
TEST(FloatToStrF, ExponentForm) {
    ExpectFormats(
        {
            {123456.789, 4, 0, "1,235E5"},
            {123456.789, 4, 1, "1,235E5"},
            {123456.789, 4, 2, "1,235E05"},
            {123456.789, 4, 3, "1,235E005"},
            {123456.789, 4, 4, "1,235E0005"},
            {123456.789, 4, 5, "1,235E5"},
            {-123456.789, 4, 2, "-1,235E05"},
            {120000.0, 4, 2, "1,2E05"},
            {100000.0, 4, 2, "1E05"},
            {12345.0, 4, 0, "1,235E4"},
            {9999.6, 4, 2, "1E04"}, // rounding up adds the fifth integer digit
            {999.6, 3, 1, "1E3"},
            {123.4, 2, 2, "1,2E02"},
            {1e22, 18, 2, "1E22"},
            {1e300, 15, 2, "1E300"},
            {1e300, 18, 2, "1,00000000000000005E300"},
            {std::numeric_limits<double>::max(), 15, 2, "1,79769313486232E308"},
        },
        ',');
}

// A minus sign only on a number that prints as nonzero.
TEST(FloatToStrF, SignOfNumbersThatPrintAsZero) {
    ExpectFormats(
        {
            {-0.001, 3, 2, "0,00"},
            {-0.0, 3, 2, "0,00"},
            {-0.0049, 3, 2, "0,00"},
            {-0.005, 3, 2, "-0,01"},
            {-1e-300, 18, 18, "0,000000000000000000"},
            {std::numeric_limits<double>::denorm_min(), 18, 18, "0,000000000000000000"},
            {-0.4, 1, 0, "0"},
        },
        ',');
}

TEST(FloatToStrF, PointSeparator) {
    ExpectFormats(
        {
            {1.0, 3, 1, "1.0"},
            {double(749.55768f), 5, 4, "749.5600"},
            {-0.2, 5, 4, "-0.2000"},
            {0.125, 3, 2, "0.13"},
            {123456.789, 4, 2, "1.235E05"},
            {7.0, 3, 0, "7"},
        },
        '.');
}

TEST(FloatToStrF, NonFiniteValues) {
    ExpectFormats(
        {
            {NaN, 3, 2, "NAN"},
            {-NaN, 3, 2, "NAN"},
            {Inf, 3, 2, "INF"},
            {-Inf, 3, 2, "-INF"},
            {Inf, 18, 0, "INF"},
        },
        ',');
}

// Precision outside 1..18 and digits outside 0..18 behave as the nearest bound.
TEST(FloatToStrF, ClampsPrecisionAndDigits) {
    ExpectFormats(
        {
            {123.4, 0, 2, "1E02"},
            {123.4, -5, 2, "1E02"},
            {0.1, 40, 18, "0,100000000000000006"},
            {2.5, 5, -3, "3"},
            {0.5, 18, 40, "0,500000000000000000"},
        },
        ',');
}

// ---------------------------------------------------------------------------------------
// StrToFloat

struct ParseCase {
    const char* text;
    double expected;
};

void ExpectParses(const std::vector<ParseCase>& cases, char separator) {
    const TFormatSettings settings = WithSeparator(separator);
    for (const ParseCase& c : cases) {
        double value = 0;
        EXPECT_NO_THROW(value = StrToFloat(c.text, settings)) << "text [" << c.text << "]";
        EXPECT_EQ(value, c.expected) << "text [" << c.text << "]";
        EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << "text [" << c.text << "]";
    }
}

void ExpectRejects(const std::vector<std::string>& texts, char separator) {
    const TFormatSettings settings = WithSeparator(separator);
    for (const std::string& text : texts)
        EXPECT_THROW(StrToFloat(text, settings), EConvertError) << "text [" << text << "]";
}

// Sign, blanks, a separator with digits on either side, the exponent; values are the
// nearest double.
TEST(StrToFloat, AcceptsWithComma) {
    ExpectParses(
        {
            {"0", 0.0},
            {"-0", -0.0},
            {"1", 1.0},
            {"1,5", 1.5},
            {"-1,5", -1.5},
            {"+1,5", 1.5},
            {"  2,25  ", 2.25},
            {"1,", 1.0},
            {",5", 0.5},
            {"-,5", -0.5},
            {"007", 7.0},
            {"1,5e3", 1500.0},
            {"1,5E3", 1500.0},
            {"1,5e+3", 1500.0},
            {"15e-1", 1.5},
            {"1,e2", 100.0},
            {",5e1", 5.0},
            {"1e0000000000000000000000001", 10.0},
            {"0,1", 0.1},
            {"2,675", 2.675},
            {"0,0795774683", 0.0795774683},
            {"3,14159265358979323846", 3.141592653589793},
            {"9007199254740993", 9007199254740992.0}, // a tie goes to the even neighbour
            {"1,7976931348623157e308", std::numeric_limits<double>::max()},
            {"2,2250738585072014e-308", std::numeric_limits<double>::min()},
            {"4,9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        },
        ',');
}

TEST(StrToFloat, AcceptsWithPoint) {
    ExpectParses(
        {
            {"1.5", 1.5},
            {" -2.5e-1 ", -0.25},
            {".5", 0.5},
            {"1.", 1.0},
            {"0.1", 0.1},
        },
        '.');
}

// Below the smallest denormal the value underflows to a zero of the text's sign.
TEST(StrToFloat, UnderflowGivesSignedZero) {
    ExpectParses(
        {
            {"1e-400", 0.0},
            {"-1e-400", -0.0},
            {"2e-324", 0.0},
            {"1e-99999999999999999999", 0.0},
            {"0e99999999999999999999", 0.0},
        },
        ',');
}

// Only the settings' separator, only spaces as blanks, no words, no hex, no grouping and
// nothing beyond the double range.
TEST(StrToFloat, Rejects) {
    const std::vector<std::string> eitherSeparator = {
        "",         " ",
        "   ",      "+",
        "-",        "e5",
        "E5",       "1e",
        "1e+",      "1e-",
        "1e5e5",    "--1",
        "+-1",      "1-",
        "1e++5",    "1 e5",
        "1e 5",     "1 000",
        "\t1",      "1\t",
        "1\n",      "inf",
        "INF",      "-inf",
        "nan",      "NaN",
        "infinity", "0x10",
        "0x1p3",    "1e309",
        "-1e309",   "abc",
        "1a",       "1d5",
        "1_000",    "١",
        "１",       std::string("1\0", 2),
    };
    ExpectRejects(eitherSeparator, ',');
    ExpectRejects(eitherSeparator, '.');
    ExpectRejects(
        {",", "-,", ",e5", "1,5,", "1,2,3", "1.5", "1e5,5", "1 000,5", "1,0 0", "1,8e308"}, ',');
    ExpectRejects({".", "-.", ".e5", "1.5.", "1.2.3", "1,5", "1,000", "1e5.5", "1.8e308"}, '.');
}

TEST(StrToFloat, MessageQuotesTheWholeText) {
    const TFormatSettings comma = WithSeparator(',');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"abc", "«abc» не является числом"},
        {"  1x ", "«  1x » не является числом"},
        {"", "«» не является числом"},
        {"1.5", "«1.5» не является числом"},
        {"1e400", "число «1e400» слишком велико по модулю"},
        {"-1,8e308", "число «-1,8e308» слишком велико по модулю"},
    };
    for (const auto& [text, message] : cases) {
        try {
            StrToFloat(text, comma);
            ADD_FAILURE() << "no exception for [" << text << "]";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message, message);
            EXPECT_STREQ(e.what(), message.c_str());
        }
    }
}

// Long texts are read in full, without overflow in the exponent arithmetic.
TEST(StrToFloat, HugeInputs) {
    const TFormatSettings comma = WithSeparator(',');
    const std::string zeros(10000, '0');
    const std::string nines(10000, '9');

    EXPECT_EQ(StrToFloat("0," + std::string(10000, '3'), comma), 1.0 / 3.0);
    EXPECT_EQ(StrToFloat("1" + zeros + "e-10000", comma), 1.0);
    EXPECT_EQ(StrToFloat("0," + zeros + "1e10001", comma), 1.0);
    EXPECT_EQ(StrToFloat(std::string(10000, ' ') + "1" + std::string(10000, ' '), comma), 1.0);
    // A digit far past the tie decides the rounding direction.
    EXPECT_EQ(StrToFloat("9007199254740993," + zeros + "1", comma), 9007199254740994.0);
    EXPECT_EQ(StrToFloat("1e-" + nines, comma), 0.0);

    EXPECT_THROW(StrToFloat("1" + std::string(400, '0'), comma), EConvertError);
    EXPECT_THROW(StrToFloat("1e" + nines, comma), EConvertError);
    EXPECT_THROW(StrToFloat("1e99999999999999999999", comma), EConvertError);
    EXPECT_THROW(StrToFloat(std::string(10000, ' '), comma), EConvertError);
    EXPECT_THROW(StrToFloat(std::string(10000, '1'), comma), EConvertError);
}

// Any finite double written in shortest form, with the comma and with padding zeros, reads
// back to the same bits.
TEST(StrToFloat, ReadsBackEveryShortestForm) {
    const TFormatSettings comma = WithSeparator(',');
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    int checked = 0;
    while (checked < 20000) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        double value = 0;
        std::memcpy(&value, &state, sizeof value);
        if (!std::isfinite(value)) continue;
        char buffer[64];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
        ASSERT_EQ(ec, std::errc());
        std::string text(buffer, end);
        for (char& c : text)
            if (c == '.') c = ',';
        const bool negative = text[0] == '-';
        const std::string padded = (negative ? "-000" : "000") + text.substr(negative ? 1 : 0);
        const double parsed = StrToFloat(padded, comma);
        ASSERT_EQ(std::memcmp(&parsed, &value, sizeof value), 0) << padded;
        ++checked;
    }
}

// ---------------------------------------------------------------------------------------
// Process settings

TEST(FormatSettings, OneArgumentFormsUseTheProcessSettings) {
    testing_common::ScopedDecimalSeparator comma(',');
    EXPECT_EQ(FloatToStrF(1.0, 3, 1), "1,0");
    EXPECT_EQ(StrToFloat("0,5"), 0.5);
    {
        testing_common::ScopedDecimalSeparator point('.');
        EXPECT_EQ(FloatToStrF(1.0, 3, 1), "1.0");
        EXPECT_EQ(StrToFloat("0.5"), 0.5);
        EXPECT_THROW(StrToFloat("0,5"), EConvertError);
    }
    EXPECT_EQ(FormatSettings().DecimalSeparator, ',');
}

#ifdef _WIN32

// Windows knows every locale by name, "ru-RU" or as POSIX spells it.
TEST(FormatSettings, SeparatorOfNamedLocales) {
    for (const char* name : {"C", "POSIX", "xx_XX.NoSuchCodeset", "en-US", "en_US.UTF-8"})
        EXPECT_EQ(TFormatSettings::FromLocale(name).DecimalSeparator, '.') << name;
    for (const char* name : {"ru-RU", "ru_RU.UTF-8", "de_DE"})
        EXPECT_EQ(TFormatSettings::FromLocale(name).DecimalSeparator, ',') << name;
}

#else

// nullopt when the locale is not installed here.
std::optional<char> InstalledSeparator(const char* name) {
    locale_t loc = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return std::nullopt;
    freelocale(loc);
    return TFormatSettings::FromLocale(name).DecimalSeparator;
}

TEST(FormatSettings, SeparatorOfNamedLocales) {
    EXPECT_EQ(TFormatSettings::FromLocale("C").DecimalSeparator, '.');
    EXPECT_EQ(TFormatSettings::FromLocale("POSIX").DecimalSeparator, '.');
    EXPECT_EQ(TFormatSettings::FromLocale("xx_XX.NoSuchCodeset").DecimalSeparator, '.');

    const std::optional<char> russian = InstalledSeparator("ru_RU.UTF-8");
    const std::optional<char> english = InstalledSeparator("en_US.UTF-8");
    if (!russian && !english) GTEST_SKIP() << "ru_RU.UTF-8 and en_US.UTF-8 not installed";
    if (russian) {
        EXPECT_EQ(*russian, ',');
    }
    if (english) {
        EXPECT_EQ(*english, '.');
    }
}

#endif

TEST(FormatSettings, ReadingTheLocaleLeavesTheProcessLocaleAlone) {
    const std::string before = setlocale(LC_NUMERIC, nullptr);
    TFormatSettings::FromLocale();
    TFormatSettings::FromLocale("ru_RU.UTF-8");
    EXPECT_EQ(setlocale(LC_NUMERIC, nullptr), before);
}

// Texts must not pick up the C library's separator when a GUI library switches the
// process locale to the user's.
TEST(FormatSettings, ProcessLocaleDoesNotLeakIntoTexts) {
    const std::string before = setlocale(LC_NUMERIC, nullptr);
    if (setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr)
        GTEST_SKIP() << "ru_RU.UTF-8 not installed";
    const TFormatSettings point = WithSeparator('.');
    EXPECT_EQ(FloatToStrF(0.125, 3, 2, point), "0.13");
    EXPECT_EQ(StrToFloat("2.5", point), 2.5);
    EXPECT_THROW(StrToFloat("2,5", point), EConvertError);
    setlocale(LC_NUMERIC, before.c_str());
}

// ---------------------------------------------------------------------------------------
// Trunc

TEST(Trunc, TowardZero) {
    const std::vector<std::pair<double, std::int32_t>> cases = {
        {2.9, 2},
        {-2.9, -2},
        {0.99, 0},
        {-0.99, 0},
        {-0.0, 0},
        {std::numeric_limits<double>::denorm_min(), 0},
        {double(149.99999f), 149},
        {2147483647.0, 2147483647},
        {2147483647.9, 2147483647},
        {std::nextafter(2147483648.0, 0.0), 2147483647},
        {-2147483648.0, std::numeric_limits<std::int32_t>::min()},
        {-2147483648.9, std::numeric_limits<std::int32_t>::min()},
        {std::nextafter(-2147483649.0, 0.0), std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(Trunc(value), expected) << "value " << value;
}

TEST(Trunc, RaisesInvalidOpOutsideTheIntegerRange) {
    const std::vector<double> values = {2147483648.0, -2147483649.0, 4294967296.0, 1e300, -1e300,
                                        Inf,          -Inf,          NaN,          -NaN};
    for (double value : values) {
        try {
            Trunc(value);
            ADD_FAILURE() << "no exception for " << value;
        } catch (const EInvalidOp& e) {
            EXPECT_EQ(e.Message, EInvalidOp().Message);
        }
    }
}

} // namespace
} // namespace tk
