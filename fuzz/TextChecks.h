// What every text a program writes for a person must be, whatever bytes it was given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zfuzz {

// Every byte belongs to a well-formed UTF-8 sequence (no overlong forms, no surrogates), so
// that a terminal or a JSON reader shows it as it is.
bool IsWellFormedUtf8(std::string_view text);

// Well-formed, and written in Russian: at least one Cyrillic letter.
bool IsRussian(std::string_view text);

// A window's session as the targets read it: lines apart by '\n', each cut at `longest`
// bytes, so that one line can never hold the whole input.
std::vector<std::string> LinesOf(std::span<const std::uint8_t> input, std::size_t longest);

} // namespace zfuzz
