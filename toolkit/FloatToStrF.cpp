// Writing a number in fixed format as the designed windows' labels do, rounded once from
// its 18-digit decimal expansion.
#include "toolkit/Conversions.h"

#include "toolkit/DecimalText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace tk {

namespace {

constexpr int ExpansionDigits = 18;

// A nonnegative value as digits d0 d1 ... (no leading zero unless the value is zero)
// times 10^(power - index): d0 stands at 10^power.
struct DecimalDigits {
    std::string digits;
    int power = 0;
    bool IsZero() const { return digits.empty(); }
};

// The 18-significant-digit expansion, as the runtime this toolkit follows works from an
// 18-digit decimal of every value: half-way cases are decided on these digits, not on the
// exact binary value (2.675 is 2.67499999999999982 here, so it rounds down).
DecimalDigits Expand(double magnitude) {
    DecimalDigits result;
    if (magnitude == 0) return result;
    // d.ddddddddddddddddde[+-]x...
    const std::string text = ScientificText(magnitude, ExpansionDigits - 1);
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') result.digits += text[i];
    int power = 0;
    const char* expFirst = text.data() + e + 1;
    if (*expFirst == '+') ++expFirst;
    std::from_chars(expFirst, text.data() + text.size(), power);
    result.power = power;
    return result;
}

// Keeps `keep` leading digits (keep may be zero or negative: nothing survives above the
// cut-off place) and rounds half away from zero on the first dropped digit.
DecimalDigits RoundTo(DecimalDigits value, long long keep) {
    if (value.IsZero() || keep < 0) return {};
    const auto n = static_cast<long long>(value.digits.size());
    if (keep >= n) return value;
    const bool up = value.digits[static_cast<std::size_t>(keep)] >= '5';
    value.digits.resize(static_cast<std::size_t>(keep));
    if (!up) {
        if (value.digits.empty()) return {};
        return value;
    }
    // Carry from the last kept digit; all nines become a one a place higher.
    std::size_t i = value.digits.size();
    while (i > 0 && value.digits[i - 1] == '9') {
        value.digits[i - 1] = '0';
        --i;
    }
    if (i == 0) {
        value.digits.insert(value.digits.begin(), '1');
        value.power += 1;
    } else {
        value.digits[i - 1] = static_cast<char>(value.digits[i - 1] + 1);
    }
    return value;
}

std::string ExponentForm(DecimalDigits value, bool negative, int digits, char separator) {
    std::string digitsText = value.digits;
    while (digitsText.size() > 1 && digitsText.back() == '0')
        digitsText.pop_back();
    std::string text;
    if (negative) text += '-';
    text += digitsText[0];
    if (digitsText.size() > 1) {
        text += separator;
        text.append(digitsText, 1);
    }
    text += 'E';
    if (value.power < 0) text += '-';
    std::string exponent = std::to_string(value.power < 0 ? -value.power : value.power);
    // Beyond four places the runtime this toolkit follows stops padding the exponent.
    const std::size_t width = digits <= 4 ? static_cast<std::size_t>(digits) : 0;
    if (exponent.size() < width) text.append(width - exponent.size(), '0');
    text += exponent;
    return text;
}

} // namespace

std::string FloatToStrF(double value, int precision, int digits) {
    return FloatToStrF(value, precision, digits, FormatSettings());
}

std::string FloatToStrF(double value, int precision, int digits, const TFormatSettings& settings) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    precision = std::clamp(precision, 1, ExpansionDigits);
    digits = std::clamp(digits, 0, 18);

    DecimalDigits expansion = Expand(std::fabs(value));
    // Significant digits that fit above the D-th decimal: the places from 10^power down
    // to 10^-digits.
    const long long placesToDecimals = static_cast<long long>(expansion.power) + 1 + digits;
    const DecimalDigits rounded =
        RoundTo(std::move(expansion), std::min<long long>(precision, placesToDecimals));
    const bool negative = std::signbit(value) && !rounded.IsZero();

    if (!rounded.IsZero() && rounded.power + 1 > precision)
        return ExponentForm(rounded, negative, digits, settings.DecimalSeparator);

    std::string text;
    if (negative) text += '-';
    // Digit at place 10^p, zero outside the kept digits.
    const auto digitAt = [&rounded](long long p) {
        const long long index = static_cast<long long>(rounded.power) - p;
        if (rounded.IsZero() || index < 0 || index >= static_cast<long long>(rounded.digits.size()))
            return '0';
        return rounded.digits[static_cast<std::size_t>(index)];
    };
    const long long top = rounded.IsZero() ? 0 : std::max(rounded.power, 0);
    for (long long p = top; p >= 0; --p)
        text += digitAt(p);
    if (digits > 0) {
        text += settings.DecimalSeparator;
        for (long long p = -1; p >= -digits; --p)
            text += digitAt(p);
    }
    return text;
}

} // namespace tk
