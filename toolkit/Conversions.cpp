#include "toolkit/Conversions.h"

#include "toolkit/DecimalText.h"
#include "toolkit/Exceptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>
#endif

namespace tk {

TFormatSettings TFormatSettings::FromLocale() {
    return FromLocale("");
}

#ifdef _WIN32

// Windows keeps the separator in the user's regional settings, not in the C library's
// locale. Its locale names are written "ru-RU": the POSIX spelling "ru_RU.UTF-8" names the
// same one here, and a name Windows does not know ("C", "POSIX") gives the default.
TFormatSettings TFormatSettings::FromLocale(const char* localeName) {
    TFormatSettings settings;
    std::wstring name;
    for (const char* c = localeName; *c != '\0' && *c != '.' && *c != '@'; ++c)
        name += *c == '_' ? L'-' : static_cast<wchar_t>(static_cast<unsigned char>(*c));
    wchar_t radix[8] = {};
    const int written = GetLocaleInfoEx(name.empty() ? LOCALE_NAME_USER_DEFAULT : name.c_str(),
                                        LOCALE_SDECIMAL, radix, 8);
    // Two units: the separator and the terminating null.
    if (written == 2 && radix[0] > 0 && radix[0] < 0x80)
        settings.DecimalSeparator = static_cast<char>(radix[0]);
    return settings;
}

#else

TFormatSettings TFormatSettings::FromLocale(const char* localeName) {
    TFormatSettings settings;
    // A private locale object rather than setlocale: the process's C locale stays as it
    // was, and other threads never see it change.
    locale_t loc = newlocale(LC_NUMERIC_MASK, localeName, static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return settings;
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    if (radix != nullptr && radix[0] != '\0' && radix[1] == '\0')
        settings.DecimalSeparator = radix[0];
    freelocale(loc);
    return settings;
}

#endif

namespace {

// The one value behind FormatSettings(); only TFormatScope writes it.
TFormatSettings& CurrentFormat() {
    static TFormatSettings settings = TFormatSettings::FromLocale();
    return settings;
}

} // namespace

const TFormatSettings& FormatSettings() {
    return CurrentFormat();
}

TFormatScope::TFormatScope(TFormatSettings settings)
    : settings_(settings), previous_(CurrentFormat()) {
    CurrentFormat() = settings_;
}

TFormatScope::~TFormatScope() {
    CurrentFormat() = previous_;
}

// ---------------------------------------------------------------------------------------
// StrToFloat

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

// ---------------------------------------------------------------------------------------
// FloatToStrF

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

// ---------------------------------------------------------------------------------------
// Trunc

std::int32_t Trunc(double value) {
    // Both bounds are exact doubles; the comparison is false for NaN, so NaN lands here too
    // and the cast below only ever sees values it can represent.
    if (!(value > -2147483649.0 && value < 2147483648.0)) throw EInvalidOp();
    return static_cast<std::int32_t>(value);
}

} // namespace tk
