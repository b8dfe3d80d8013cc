// The canvas font as a table: every glyph the face maps a character to, rendered once at
// build time by FreeType (toolkit/glyphs/MakeGlyphTable.cpp) at the canvas's 11 pixels to
// the em, and compiled into the program. Both platforms read the same table, so a label
// has the same pixels wherever the program runs and whatever FreeType the machine has, and
// no font needs to be installed for the chart.
//
// The generated source defines these; Font.cpp is their only reader.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tk::glyphs {

// One rendered glyph: its ink as 8-bit coverage, top row first, at kCoverage[Offset].
struct TGlyph {
    std::int16_t Left; // the ink's offset right of the pen
    std::int16_t Top;  // the ink's top row above the baseline
    std::uint16_t Width;
    std::uint16_t Rows;
    std::int32_t Advance; // whole pixels
    std::uint32_t Offset;
};

// A character the face maps: its glyph in the face (for a document that embeds the face)
// and in kGlyphs (for the canvas). Sorted by code point.
struct TCharacter {
    char32_t CodePoint;
    std::uint16_t FaceGlyph;
    std::uint16_t Glyph;
};

// Code points below this find their glyph by index in kGlyphOfCodePoint: every label of
// the chart is ASCII, Latin, Greek or Cyrillic.
inline constexpr char32_t kDirect = 0x500;

extern const char kFamily[];
extern const int kAscent;     // GDI's: the OS/2 table's Windows ascent at 11 px, rounded
extern const int kDescent;    // likewise the Windows descent
extern const int kUnitsPerEm; // of the face's file
// kGlyphs[0] is the face's missing-character glyph.
extern const TGlyph kGlyphs[];
extern const std::size_t kGlyphCount;
extern const std::uint16_t kGlyphOfCodePoint[kDirect]; // into kGlyphs
extern const TCharacter kCharacters[];
extern const std::size_t kCharacterCount;
extern const std::uint8_t kCoverage[];
// The face's file, whole, as it was read.
extern const std::uint8_t kFile[];
extern const std::size_t kFileSize;

} // namespace tk::glyphs
