#include "toolkit/DecimalText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace tk {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Past this an exponent says nothing more: every double lies within 10^±400.
constexpr long long kExponentCap = 1'000'000;

// The text's shape, checked before either library sees it, so that both read the same
// texts (strtod would also take blanks, a plus, hexadecimal, "inf" and "nan").
struct TShape {
    bool Valid = false;
    bool Zero = true;              // no digit but zeros in the significand
    long long FirstDigitPower = 0; // where its first nonzero digit stands, exponent applied
};

TShape ShapeOf(std::string_view text) {
    TShape shape;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    bool point = false, digit = false;
    long long whole = 0;    // integer digits from the first nonzero one
    long long fraction = 0; // decimals read
    long long first = 0;    // the decimal place of the first nonzero digit, if it is one
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            digit = true;
            if (point) ++fraction;
            if (shape.Zero && c != '0') {
                shape.Zero = false;
                first = fraction;
            }
            if (!point && !shape.Zero) whole = std::min(whole + 1, kExponentCap);
            fraction = std::min(fraction, kExponentCap);
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digit) return shape;
    long long exponent = 0;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E') return shape;
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        if (i == text.size()) return shape;
        for (; i < text.size(); ++i) {
            if (!IsDigit(text[i])) return shape;
            exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentCap);
        }
        if (negative) exponent = -exponent;
    }
    shape.Valid = true;
    shape.FirstDigitPower = (whole > 0 ? whole - 1 : -first) + exponent;
    return shape;
}

// What a read value says of its range: strtod gives an infinity beyond it and zero below it.
TDecimalRead Judged(double value, const TShape& shape) {
    if (std::isinf(value)) return {value, TDecimalRead::Overflow};
    if (value == 0 && !shape.Zero) return {value, TDecimalRead::Underflow};
    return {value, TDecimalRead::Ok};
}

std::string Printed(const char* format, double value, int decimals) {
    decimals = std::clamp(decimals, 0, 100);
    // 309 integer digits at most, the point, 100 decimals, a sign: 412 bytes.
    char buffer[420];
    const int n = std::snprintf(buffer, sizeof buffer, format, decimals, value);
    return std::string(buffer, std::size_t(std::clamp(n, 0, int(sizeof buffer) - 1)));
}

#ifndef __EMSCRIPTEN__

std::string Converted(double value, std::chars_format format, int decimals) {
    decimals = std::clamp(decimals, 0, 100);
    char buffer[420];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, format, decimals);
    (void)ec; // 420 bytes hold any double at 100 places
    return std::string(buffer, end);
}

#endif

} // namespace

namespace through_c {

std::string FixedText(double value, int decimals) {
    return Printed("%.*f", value, decimals);
}

std::string ScientificText(double value, int decimals) {
    return Printed("%.*e", value, decimals);
}

TDecimalRead ReadDecimal(std::string_view text) {
    const TShape shape = ShapeOf(text);
    if (!shape.Valid) return {};
    const std::string terminated(text);
    return Judged(std::strtod(terminated.c_str(), nullptr), shape);
}

} // namespace through_c

#ifdef __EMSCRIPTEN__

std::string FixedText(double value, int decimals) {
    return through_c::FixedText(value, decimals);
}

std::string ScientificText(double value, int decimals) {
    return through_c::ScientificText(value, decimals);
}

TDecimalRead ReadDecimal(std::string_view text) {
    return through_c::ReadDecimal(text);
}

#else

std::string FixedText(double value, int decimals) {
    return Converted(value, std::chars_format::fixed, decimals);
}

std::string ScientificText(double value, int decimals) {
    return Converted(value, std::chars_format::scientific, decimals);
}

TDecimalRead ReadDecimal(std::string_view text) {
    const TShape shape = ShapeOf(text);
    if (!shape.Valid) return {};
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone then; it lies beyond one end of the range.
        const bool large = shape.FirstDigitPower > 0;
        const double zero = text[0] == '-' ? -0.0 : 0.0;
        const double infinity = text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
        return {large ? infinity : zero, large ? TDecimalRead::Overflow : TDecimalRead::Underflow};
    }
    if (ec != std::errc() || end != text.data() + text.size()) return {};
    return Judged(value, shape);
}

#endif

} // namespace tk
