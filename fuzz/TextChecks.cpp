#include "fuzz/TextChecks.h"

#include "toolkit/Utf8.h"

namespace zfuzz {

bool IsWellFormedUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        // U+FFFD itself is well-formed: three bytes, EF BF BD.
        if (tk::DecodeNext(text, i) == tk::kReplacement &&
            text.substr(start, i - start) != "\uFFFD")
            return false;
    }
    return true;
}

bool IsRussian(std::string_view text) {
    if (!IsWellFormedUtf8(text)) return false;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = tk::DecodeNext(text, i);
        if (c >= U'\u0400' && c <= U'\u04FF') return true;
    }
    return false;
}

std::vector<std::string> LinesOf(std::span<const std::uint8_t> input, std::size_t longest) {
    std::vector<std::string> lines(1);
    for (const std::uint8_t b : input) {
        if (b == '\n')
            lines.emplace_back();
        else if (lines.back().size() < longest)
            lines.back() += char(b);
    }
    return lines;
}

} // namespace zfuzz
