// Reading a typed number: the separator the settings hold, the nearest double to the decimal
// value, and the messages for what is not a number or is past a double's range.
#include "toolkit/Conversions.h"

#include "toolkit/DecimalText.h"
#include "toolkit/Exceptions.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tk {

namespace {

[[noreturn]] void NotANumber(std::string_view text) {
    std::string message;
    message.reserve(text.size() + 40);
    message += "«";
    message += text;
    message += "» не является числом";
    throw EConvertError(std::move(message));
}

[[noreturn]] void TooLarge(std::string_view text) {
    throw ENumberTooLarge("число «" + std::string(text) + "» слишком велико по модулю");
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Past this the exponent is out of every double's reach whatever the mantissa holds; the
// saturation keeps exponents of thousands of digits from overflowing the arithmetic below.
constexpr long long ExponentCap = 1'000'000'000'000LL;

} // namespace

double StrToFloat(std::string_view text) {
    return StrToFloat(text, FormatSettings());
}

namespace {

// The digits of a number up to its exponent. The significand keeps the digits from the
// first nonzero one on; its first digit stands at 10^FirstDigitPower before the written
// exponent is applied. `pos` is left on the first character that is neither.
struct TDigits {
    std::string Significand;
    long long FirstDigitPower = 0;
};

TDigits ReadDigits(std::string_view text, std::size_t& pos, std::size_t end, char separator) {
    TDigits digits;
    long long integerPlaces = 0; // digits before the separator, from the first nonzero
    long long fractionZeros = 0; // zeros after the separator before the first nonzero
    bool anyDigit = false;
    bool seenSeparator = false;
    for (; pos < end; ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            anyDigit = true;
            if (digits.Significand.empty() && c == '0') {
                if (seenSeparator) ++fractionZeros;
                continue;
            }
            if (!seenSeparator) ++integerPlaces;
            digits.Significand += c;
        } else if (c == separator && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (!anyDigit) NotANumber(text);
    digits.FirstDigitPower = integerPlaces > 0 ? integerPlaces - 1 : -(fractionZeros + 1);
    return digits;
}

// The written exponent from `pos` to the end ("e-12"), 0 when there is none; saturated at
// ExponentCap.
long long ReadExponent(std::string_view text, std::size_t pos, std::size_t end) {
    long long exponent = 0;
    if (pos == end) return exponent;
    if (text[pos] != 'E' && text[pos] != 'e') NotANumber(text);
    ++pos;
    bool exponentNegative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        exponentNegative = text[pos] == '-';
        ++pos;
    }
    if (pos == end) NotANumber(text);
    for (; pos < end; ++pos) {
        if (!IsDigit(text[pos])) NotANumber(text);
        exponent = std::min(exponent * 10 + (text[pos] - '0'), ExponentCap);
    }
    return exponentNegative ? -exponent : exponent;
}

} // namespace

double StrToFloat(std::string_view text, const TFormatSettings& settings) {
    std::size_t pos = 0;
    std::size_t end = text.size();
    while (pos < end && text[pos] == ' ')
        ++pos;
    while (end > pos && text[end - 1] == ' ')
        --end;

    bool negative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    TDigits digits = ReadDigits(text, pos, end, settings.DecimalSeparator);
    const long long exponent = ReadExponent(text, pos, end);
    std::string& significand = digits.Significand;

    const double zero = negative ? -0.0 : 0.0;
    if (significand.empty()) return zero;
    while (significand.back() == '0')
        significand.pop_back();

    // Both terms are bounded (the cap, the text's length), so the sum cannot overflow.
    const long long power = digits.FirstDigitPower + exponent;
    // A first digit at 10^310 or above overflows whatever follows it, one below 10^-400
    // rounds to zero: settled here, from_chars only ever sees short exponents and decides
    // the edges of the range itself.
    if (power > 309) TooLarge(text);
    if (power < -400) return zero;

    std::string normal;
    normal.reserve(significand.size() + 16);
    if (negative) normal += '-';
    normal += significand[0];
    if (significand.size() > 1) {
        normal += '.';
        normal.append(significand, 1);
    }
    normal += 'e';
    normal += std::to_string(power);

    const TDecimalRead read = ReadDecimal(normal);
    if (read.Outcome == TDecimalRead::Underflow) return zero;
    if (read.Outcome == TDecimalRead::Overflow) TooLarge(text);
    if (read.Outcome != TDecimalRead::Ok || !std::isfinite(read.Value)) NotANumber(text);
    return read.Value;
}

} // namespace tk
