// The parse target: StrToFloat on arbitrary bytes, held to the grammar Conversions.h writes
// down and to the C library's strtod.
//
// Input: the first byte's low bit picks the separator (0 '.', 1 ','); the rest is the text,
// whatever it holds (NUL, invalid UTF-8, 100 kB of digits). A text the grammar accepts is
// rewritten for the C library (spaces dropped, the separator made a point) and must give
// strtod's very double, bit for bit (signed zero included), unless strtod finds it beyond
// the range of a double, when it must be refused; any other text must be refused with the
// conversion error quoting it.
#include "fuzz/Check.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string_view>

namespace zfuzz {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text strtod reads in the C locale when `text` matches the grammar: spaces, a sign,
// digits with at most one separator and a digit on at least one side, an exponent (E or e,
// a sign, digits), spaces. Nothing otherwise.
std::optional<std::string> ForTheCLibrary(std::string_view text, char separator) {
    std::size_t pos = 0, end = text.size();
    while (pos < end && text[pos] == ' ')
        ++pos;
    while (end > pos && text[end - 1] == ' ')
        --end;
    std::string c;
    const auto digits = [&] {
        std::size_t n = 0;
        for (; pos < end && IsDigit(text[pos]); ++pos, ++n)
            c += text[pos];
        return n;
    };
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) c += text[pos++];
    std::size_t mantissa = digits();
    if (pos < end && text[pos] == separator) {
        c += '.';
        ++pos;
        mantissa += digits();
    }
    if (mantissa == 0) return std::nullopt;
    if (pos < end && (text[pos] == 'E' || text[pos] == 'e')) {
        c += 'e';
        ++pos;
        if (pos < end && (text[pos] == '+' || text[pos] == '-')) c += text[pos++];
        if (digits() == 0) return std::nullopt;
    }
    if (pos != end) return std::nullopt;
    return c;
}

// strtod in the C locale, whatever the process's locale says.
double CStrtod(const std::string& text, bool& whole) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    char* last = nullptr;
    const double value = strtod_l(text.c_str(), &last, c);
    whole = last == text.c_str() + text.size();
    return value;
}

std::string Shown(std::string_view text) {
    constexpr std::size_t kShown = 60;
    if (text.size() <= kShown) return "«" + std::string(text) + "»";
    return "«" + std::string(text.substr(0, kShown)) + "…» (" + std::to_string(text.size()) +
           " bytes)";
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    if (input.empty()) return "";
    tk::TFormatSettings settings;
    settings.DecimalSeparator = (input[0] & 1) != 0 ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(input.data()) + 1, input.size() - 1);

    std::optional<double> parsed;
    std::string message;
    try {
        parsed = tk::StrToFloat(text, settings);
    } catch (const tk::EConvertError& e) {
        message = e.Message;
    }

    const std::optional<std::string> c = ForTheCLibrary(text, settings.DecimalSeparator);
    bool whole = false;
    const double expected = c ? CStrtod(*c, whole) : 0;
    if (c && !whole) return Shown(text) + ": strtod stops short of " + Shown(*c);
    const bool acceptable = c && std::isfinite(expected);

    if (parsed && !acceptable)
        return Shown(text) + " was accepted as " + std::to_string(*parsed) +
               (c ? ", though it is beyond the range of a double" : ", though it is no number");
    if (parsed && std::bit_cast<std::uint64_t>(*parsed) != std::bit_cast<std::uint64_t>(expected))
        return Shown(text) + " gave " + tk::FloatToStrF(*parsed, 18, 18) + " (bits " +
               std::to_string(std::bit_cast<std::uint64_t>(*parsed)) + "), strtod bits " +
               std::to_string(std::bit_cast<std::uint64_t>(expected));
    if (!parsed && acceptable) return Shown(text) + " was refused: " + Shown(message);
    const std::string quoted = "«" + std::string(text) + "»";
    if (!parsed && message.find(quoted) == std::string::npos)
        return "the error for " + Shown(text) + " does not quote it: " + Shown(message);
    return "";
}

} // namespace zfuzz
