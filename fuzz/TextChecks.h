// What every text a program writes for a person must be, whatever bytes it was given.
#pragma once

#include <string_view>

namespace zfuzz {

// Every byte belongs to a well-formed UTF-8 sequence (no overlong forms, no surrogates), so
// that a terminal or a JSON reader shows it as it is.
bool IsWellFormedUtf8(std::string_view text);

// Well-formed, and written in Russian: at least one Cyrillic letter.
bool IsRussian(std::string_view text);

} // namespace zfuzz
