// The format target: FloatToStrF on any double with precision and digits across and beyond
// their ranges, held to the shape Conversions.h writes down, and read back.
//
// Input: byte 0, low bit the separator (0 '.', 1 ','), the rest an index into kEdges (the
// value is then that edge, its sign from bit 7 of byte 3) or, past them, the value's bits
// from bytes 3 to 10; byte 1 the precision and byte 2 the digits, each as a signed byte.
// Missing bytes read as zeros.
//
// The text must be "NAN", "INF" or "-INF" for those values; otherwise the fixed form (an
// integer part of at most `precision` digits, no leading zero, the separator and exactly
// `digits` decimals) or the exponent form (one digit, the separator and more digits without
// trailing zeros, "E", an exponent of at least `precision`, padded to `digits` places when
// digits <= 4), never more than `precision` significant digits, and a minus only before a
// number that is not zero. StrToFloat reads it back to within half a unit of the last place
// rounded to (and the half unit of the last bit its own rounding adds); a text beyond the
// range of a double, from a value that rounded up past it, must be refused instead.
#include "fuzz/Check.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

namespace zfuzz {

namespace {

// clang-format off
constexpr double kEdges[] = {
    0.0, 1.0, 0.5, 0.05, 2.675, 9.5, 99.5, 999999.5, 1e17, 1e18, 1e19, 123456.789,
    DBL_MAX, DBL_MIN, DBL_TRUE_MIN, DBL_EPSILON, FLT_MAX, FLT_MIN, FLT_TRUE_MIN,
    std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
    9.9999999999999995e-19, 0.49999999999999994, 4503599627370496.5, 1.7976931348623157e308,
};
// clang-format on

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Shown(double value, int precision, int digits, std::string_view text) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return "FloatToStrF(" + std::string(buffer) + ", " + std::to_string(precision) + ", " +
           std::to_string(digits) + ") = «" + std::string(text) + "»";
}

// What is wrong with the text's shape, "" when nothing; `place` gets the power of ten of
// the last place rounded to.
std::string Shape(std::string_view text, int precision, int digits, char separator, int& place) {
    std::size_t pos = text.starts_with('-') ? 1 : 0;
    const bool minus = pos == 1;
    std::string written; // the digits, from the first written one
    int firstPower = 0;  // of the first significant digit
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos]))
        written += text[pos++];
    const std::size_t integerDigits = pos - start;
    if (integerDigits == 0) return "no integer part";
    std::size_t fraction = 0;
    if (pos < text.size() && text[pos] == separator) {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos]))
            written += text[pos++], ++fraction;
    }
    const std::size_t significant = written.find_first_not_of('0');
    const bool zero = significant == std::string::npos;
    if (minus && zero) return "a minus before zero";
    if (pos < text.size() && text[pos] == 'E') {
        ++pos;
        const bool negativeExponent = pos < text.size() && text[pos] == '-';
        if (negativeExponent) ++pos;
        const std::string_view exponent = text.substr(pos);
        if (exponent.empty() || exponent.size() > 4 ||
            !std::all_of(exponent.begin(), exponent.end(), IsDigit))
            return "a broken exponent";
        const int e = std::stoi(std::string(exponent)) * (negativeExponent ? -1 : 1);
        const std::size_t width = digits <= 4 ? std::size_t(std::max(digits, 1)) : 1;
        if (exponent.size() < width || (exponent.size() > width && exponent[0] == '0'))
            return "an exponent padded wrongly";
        if (integerDigits != 1 || zero || written[0] == '0') return "not one digit before E";
        if (fraction != 0 && written.back() == '0') return "trailing zeros before E";
        if (e < precision) return "the exponent form for a number of few digits";
        if (written.size() > std::size_t(precision)) return "too many significant digits";
        place = e - precision + 1;
        return "";
    }
    if (pos != text.size()) return "stray bytes";
    if (fraction != std::size_t(digits) || (digits == 0 && text.find(separator) != text.npos))
        return "not " + std::to_string(digits) + " decimals";
    if (integerDigits > 1 && written[0] == '0') return "a leading zero";
    if (integerDigits > std::size_t(precision)) return "an integer part beyond the precision";
    if (!zero) {
        firstPower = int(integerDigits) - 1 - int(significant);
        const std::size_t last = written.find_last_not_of('0');
        if (last - significant + 1 > std::size_t(precision)) return "too many significant digits";
    }
    place = zero ? -digits : std::max(-digits, firstPower - precision + 1);
    return "";
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    std::uint8_t b[11] = {};
    std::memcpy(b, input.data(), std::min(input.size(), sizeof b));
    tk::TFormatSettings settings;
    settings.DecimalSeparator = (b[0] & 1) != 0 ? ',' : '.';
    const std::size_t edge = b[0] >> 1;
    double value = 0;
    if (edge < std::size(kEdges)) {
        value = (b[3] & 0x80) != 0 ? -kEdges[edge] : kEdges[edge];
    } else {
        std::uint64_t bits = 0;
        std::memcpy(&bits, b + 3, sizeof bits);
        value = std::bit_cast<double>(bits);
    }
    const int precision = static_cast<std::int8_t>(b[1]);
    const int digits = static_cast<std::int8_t>(b[2]);

    const std::string text = tk::FloatToStrF(value, precision, digits, settings);
    const auto shown = [&] { return Shown(value, precision, digits, text); };
    if (std::isnan(value)) return text == "NAN" ? "" : shown();
    if (std::isinf(value)) return text == (value < 0 ? "-INF" : "INF") ? "" : shown();

    int place = 0;
    const std::string wrong = Shape(text, std::clamp(precision, 1, 18), std::clamp(digits, 0, 18),
                                    settings.DecimalSeparator, place);
    if (!wrong.empty()) return shown() + ": " + wrong;

    double back = 0;
    try {
        back = tk::StrToFloat(text, settings);
    } catch (const tk::EConvertError&) {
        // Only a value that rounded up past the largest double may write a text beyond it.
        if (std::fabs(value) > DBL_MAX / 2) return "";
        return shown() + " does not read back";
    }
    const long double error = std::fabs(static_cast<long double>(back) - value);
    const long double half = 0.5L * std::pow(10.0L, place);
    const long double slack = std::fabs(static_cast<long double>(back)) * 0x1p-52L + DBL_TRUE_MIN;
    if (error > half * (1 + 0x1p-50L) + slack)
        return shown() + " reads back as " + tk::FloatToStrF(back, 18, 18) +
               ", beyond half a unit of 1E" + std::to_string(place);
    return "";
}

} // namespace zfuzz
