// UTF-8 read one code point at a time, as the canvas's text and the messages about typed
// text need it: whatever bytes a field holds, each step moves on and yields a code point;
// and written, a code point at a time, as the texts made from them need it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tk {

inline constexpr char32_t kReplacement = 0xFFFD;

// Returns the code point that starts at s[i] and moves i past it. A malformed sequence
// yields U+FFFD and consumes only its longest valid-looking prefix (at least one byte), so
// the bytes after it decode as if it were not there. Overlong forms, surrogates and values
// above U+10FFFF are malformed.
// For example, "Zн\xff" yields U+005A, U+043D, then U+FFFD for the stray byte.
char32_t DecodeNext(std::string_view s, std::size_t& i);

// `c` (at most U+10FFFF, no surrogate) appended to `out` in one to four bytes: U+043D as
// "\xD0\xBD".
void AppendUtf8(std::string& out, char32_t c);

// `text` with each malformed sequence replaced by U+FFFD, as DecodeNext reads it; text that
// is well-formed comes back as it was.
std::string WellFormedUtf8(std::string_view text);

} // namespace tk
