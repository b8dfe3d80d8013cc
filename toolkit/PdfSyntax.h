// How our PDF writer (PdfDocument.h) spells its values (ISO 32000-1, 7.3): numbers in plain
// decimals, since PDF has no exponents; glyph numbers and UTF-16 in hex; the Info's text
// strings in UTF-16BE behind a byte-order mark (7.9.2.2), so that any text survives.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tk::pdf {

// A number as PDF writes it: at most `decimals` places, no trailing zeros ("12.5", "-3", "0").
void PutNumber(std::string& out, double value, int decimals = 3);

// The value's last `digits` hex digits, in capitals.
void PutHex(std::string& out, std::uint32_t value, int digits);

// A code point as UTF-16BE, in hex: a pair of surrogates above U+FFFF.
void PutUtf16(std::string& out, char32_t cp);

// A text string of the document's Info: UTF-16BE with its byte-order mark, in hex.
std::string TextString(std::string_view utf8);

} // namespace tk::pdf
