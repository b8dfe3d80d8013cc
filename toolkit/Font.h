// The canvas font: Tahoma 8 pt at 96 dpi (11 px), from the glyph table made at build time
// (GlyphTable.h), blended onto the bitmap.
//
// Nothing is rendered or allocated at run time: a text is its glyphs' coverage from the
// table, blended in black. The same table serves every platform, so the chart's labels
// have the same pixels everywhere.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tk {

namespace glyphs {
struct TGlyph;
}

// Debian's fonts-wine puts a Tahoma with Cyrillic here, outside fontconfig's search path:
// the face the table is made from, and the one the Qt binding gives its controls.
inline constexpr char kTahomaFile[] = "/usr/share/wine/fonts/tahoma.ttf";

class Font {
  public:
    // The process's canvas font.
    static const Font& Default();

    // The sum of the glyph advances, in pixels; invalid UTF-8 counts as U+FFFD.
    int TextWidth(std::string_view utf8) const;
    // The height of a text cell: the font's ascent plus descent, whatever the text.
    int Height() const;
    // The baseline's distance below the cell's top.
    int Ascent() const;
    // The family of the face, as the face itself names it: "Tahoma".
    const std::string& Family() const { return family_; }

    // The face's file as the build read it, built into the program, for a document that
    // embeds the face (a PDF's FontFile2): the whole TrueType file.
    std::span<const std::uint8_t> FileBytes() const;
    // The face's glyph index for a code point (0: the face's missing glyph), as a document
    // that embeds the face names it, and its advance in whole pixels.
    std::uint16_t GlyphIndex(char32_t cp) const;
    int Advance(char32_t cp) const;
    int UnitsPerEm() const;

    // Blends the glyphs in black (the only colour the canvas's font has) with the cell's
    // top-left at (x, y), clipped to the bitmap and, if `withinCell`, to the cell as well:
    // antialiased edges spill a pixel past the advance, and text on an opaque box must not
    // leave ink outside the box.
    void Draw(std::uint32_t* bits, int width, int height, int x, int y, std::string_view utf8,
              bool withinCell) const;

  private:
    Font();
    const glyphs::TGlyph& Find(char32_t cp) const;

    std::string family_;
};

} // namespace tk
