// The utf16 target: the text the Windows programs read from the system (a console's typed
// lines, the command line) on its way in as UTF-16, and on its way out, held to Unicode's
// rules on arbitrary input.
//
// Input: the first byte's low bit picks the direction. 0: the rest is UTF-16 code units,
// two bytes each, low byte first (what ReadConsoleW and GetCommandLineW hand over; a lone
// surrogate is as possible there as anywhere). 1: the rest is bytes taken as UTF-8 (what the
// programs hold: a field, a message, an answer), on their way to a wide function.
// Checks, UTF-16 in: the UTF-8 is well-formed, gives back every valid code unit sequence as
// it came and one U+FFFD for each unit that is no character (a lone surrogate). UTF-8 in: the
// code units are well-formed UTF-16 of the very code points the canvas's decoder reads, and
// come back as UTF-8 those code points make.
#include "fuzz/Check.h"

#include "toolkit/Utf8.h"
#include "toolkit/win32/Utf16.h"

#include <string>
#include <string_view>
#include <vector>

namespace zfuzz {

namespace {

bool IsSurrogate(char32_t u) {
    return u >= 0xD800 && u <= 0xDFFF;
}

// The code points of UTF-16 units, a lone surrogate as U+FFFD.
std::vector<char32_t> CodePointsOf(const std::wstring& units) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto u = static_cast<char32_t>(units[i]);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size()) {
            const auto low = static_cast<char32_t>(units[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out.push_back(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        out.push_back(IsSurrogate(u) ? tk::kReplacement : u);
    }
    return out;
}

// The code points of UTF-8 as the canvas reads it; `wellFormed` false at the first U+FFFD
// that stands for malformed bytes rather than for itself.
std::vector<char32_t> CodePointsOf(std::string_view utf8, bool& wellFormed) {
    static constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";
    std::vector<char32_t> out;
    wellFormed = true;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t at = i;
        const char32_t cp = tk::DecodeNext(utf8, i);
        if (cp == tk::kReplacement && utf8.substr(at, i - at) != kReplacementUtf8)
            wellFormed = false;
        out.push_back(cp);
    }
    return out;
}

std::string FromUtf16(std::span<const std::uint8_t> bytes) {
    std::wstring units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units += static_cast<wchar_t>(bytes[i] | bytes[i + 1] << 8);
    const std::string utf8 = tkwin::ToUtf8(units);
    bool wellFormed = true;
    if (CodePointsOf(utf8, wellFormed) != CodePointsOf(units) || !wellFormed)
        return "ToUtf8 does not give the code points of the units, well-formed";
    if (tkwin::ToUtf8(tkwin::ToUtf16(utf8)) != utf8) return "ToUtf8's text does not come back";
    return "";
}

std::string FromUtf8(std::span<const std::uint8_t> bytes) {
    const std::string_view utf8(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::wstring units = tkwin::ToUtf16(utf8);
    bool ignored = true;
    const std::vector<char32_t> read = CodePointsOf(utf8, ignored);
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto u = static_cast<char32_t>(units[i]);
        const bool high = u >= 0xD800 && u <= 0xDBFF;
        const bool pairs = high && i + 1 < units.size() &&
                           static_cast<char32_t>(units[i + 1]) >= 0xDC00 &&
                           static_cast<char32_t>(units[i + 1]) <= 0xDFFF;
        if (u > 0xFFFF || (IsSurrogate(u) && !pairs)) return "ToUtf16 wrote no UTF-16";
        i += pairs;
    }
    if (CodePointsOf(units) != read) return "ToUtf16 does not give the decoder's code points";
    const std::string back = tkwin::ToUtf8(units);
    bool wellFormed = true;
    if (CodePointsOf(back, wellFormed) != read || !wellFormed)
        return "the code points do not come back as well-formed UTF-8";
    return "";
}

} // namespace

std::string Check(std::span<const std::uint8_t> input) {
    if (input.empty()) return "";
    return (input[0] & 1) ? FromUtf8(input.subspan(1)) : FromUtf16(input.subspan(1));
}

} // namespace zfuzz
