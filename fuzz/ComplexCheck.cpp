// The complex target: cli::ReadComplex on arbitrary bytes, held to a reading of its own that
// tries every place the imaginary part could start.
//
// Input: the first byte's low bit picks the separator (0 '.', 1 ','); the rest is the text,
// whatever it holds. The text, blanks at its ends aside, reads as a complex load when it is
// one number, or a real part (a number) and a signed imaginary part, or an imaginary part
// alone with or without a sign, the imaginary part being a number with a j or J before or
// after it: "100", "100+50j", "100-j50", "-j50", "j-5", "1e-3-2e+3J". Each number may be
// written with the user's separator or with a dot, as StrToFloat reads them. There is at
// most one such reading. ReadComplex must accept exactly those texts, with parts the
// window's field reads (StrToFloat, the user's separator) as the very doubles of the
// reading, bit for bit, or as too large for a double where the reading's are. It must
// refuse every other text with a reason in Russian that is well-formed UTF-8, and never
// throw.
#include "fuzz/Check.h"
#include "fuzz/TextChecks.h"

#include "cli/ComplexLoad.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exceptions.h"

#include <bit>
#include <optional>
#include <string_view>
#include <vector>

namespace zfuzz {

namespace {

// What StrToFloat makes of a text: a double, a number beyond a double's range, or nothing.
struct TRead {
    enum { Value, TooLarge, None } Kind = None;
    std::uint64_t Bits = 0;
    bool operator==(const TRead&) const = default;
};

TRead ReadWith(std::string_view text, char separator) {
    try {
        return {TRead::Value,
                std::bit_cast<std::uint64_t>(tk::StrToFloat(text, tk::TFormatSettings{separator}))};
    } catch (const tk::ENumberTooLarge&) {
        return {TRead::TooLarge};
    } catch (const tk::EConvertError&) {
        return {};
    }
}

// As the user types it: with the user's separator, or else with a dot.
TRead ReadEither(std::string_view text, char separator) {
    const TRead own = ReadWith(text, separator);
    return own.Kind != TRead::None ? own : ReadWith(text, '.');
}

struct TReading {
    TRead Re, Im;
};

bool IsJ(char c) {
    return c == 'j' || c == 'J';
}

// The readings of "[sign] j N" and "[sign] N j" in `part`, the sign joined to N.
std::optional<TRead> Imaginary(std::string_view part, char separator) {
    std::string sign;
    if (!part.empty() && (part.front() == '+' || part.front() == '-')) {
        sign = part.front();
        part.remove_prefix(1);
    }
    if (part.size() < 2) return std::nullopt;
    std::string number;
    if (IsJ(part.front()))
        number = sign + std::string(part.substr(1));
    else if (IsJ(part.back()))
        number = sign + std::string(part.substr(0, part.size() - 1));
    else
        return std::nullopt;
    const TRead read = ReadEither(number, separator);
    if (read.Kind == TRead::None) return std::nullopt;
    return read;
}

// Every reading of the text, the real part ending at each place in turn.
std::vector<TReading> Readings(std::string_view text, char separator) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::vector<TReading> found;
    const TRead zero = ReadWith("0", separator);
    if (const TRead whole = ReadEither(text, separator); whole.Kind != TRead::None)
        found.push_back({whole, zero});
    for (std::size_t end = 0; end < text.size(); ++end) {
        const std::string_view rest = text.substr(end);
        if (end > 0 && rest.front() != '+' && rest.front() != '-') continue;
        const TRead re = end == 0 ? zero : ReadEither(text.substr(0, end), separator);
        if (re.Kind == TRead::None) continue;
        if (const std::optional<TRead> im = Imaginary(rest, separator)) found.push_back({re, *im});
    }
    return found;
}

std::string Shown(std::string_view text) {
    return "«" + cli::Quoted(text) + "» (" + std::to_string(text.size()) + " bytes)";
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    if (input.empty()) return "";
    const char separator = (input[0] & 1) != 0 ? ',' : '.';
    const tk::TFormatScope format(tk::TFormatSettings{separator});
    const std::string_view text(reinterpret_cast<const char*>(input.data()) + 1, input.size() - 1);

    cli::TComplexText z;
    try {
        z = cli::ReadComplex(text);
    } catch (...) {
        return Shown(text) + ": ReadComplex threw";
    }
    const std::vector<TReading> readings = Readings(text, separator);
    if (readings.size() > 1)
        return Shown(text) + " has " + std::to_string(readings.size()) + " readings";
    if (readings.empty()) {
        if (z.Error.empty()) return Shown(text) + " was accepted as «" + z.Re + "», «" + z.Im + "»";
        if (!IsRussian(z.Error))
            return Shown(text) + ": the reason is no Russian text: " + cli::Quoted(z.Error);
        // Quoted shortens what it shows, so the reason stays a line however long the text.
        if (z.Error.size() > 1000)
            return Shown(text) + ": a reason of " + std::to_string(z.Error.size()) + " bytes";
        return "";
    }
    if (!z.Error.empty()) return Shown(text) + " was refused: " + z.Error;
    const TRead re = ReadWith(z.Re, separator), im = ReadWith(z.Im, separator);
    if (!(re == readings[0].Re) || !(im == readings[0].Im))
        return Shown(text) + " gave the parts «" + cli::Quoted(z.Re) + "», «" + cli::Quoted(z.Im) +
               "», which the field reads otherwise";
    return "";
}

} // namespace zfuzz
