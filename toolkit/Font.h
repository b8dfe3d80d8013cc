// The canvas font: Tahoma 8 pt at 96 dpi (11 px), falling back to DejaVu Sans, rendered
// with FreeType and blended onto the bitmap.
//
// Every glyph the face maps is rendered once, when the font is loaded, so that drawing
// text never touches FreeType and never allocates: the chart redraws dozens of labels on
// every click.
#pragma once

#include "Color.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class Font {
  public:
    // The process's canvas font, loaded once on first use; never changed afterwards.
    // Throws tk::Exception when the machine has no usable font.
    static const Font& Default();

    // The sum of the glyph advances, in pixels; invalid UTF-8 counts as U+FFFD.
    int TextWidth(std::string_view utf8) const;
    // The height of a text cell: the font's ascent plus descent, whatever the text.
    int Height() const { return ascent_ + descent_; }
    // The baseline's distance below the cell's top.
    int Ascent() const { return ascent_; }
    // The family of the face in use, as the face itself names it.
    const std::string& Family() const { return family_; }

    // Blends the glyphs in `color` with the cell's top-left at (x, y), clipped to the
    // bitmap and, if `withinCell`, to the cell as well: antialiased edges spill a pixel
    // past the advance, and text on an opaque box must not leave ink outside the box.
    void Draw(std::uint32_t* bits, int width, int height, int x, int y, std::string_view utf8,
              TColor color, bool withinCell) const;

  private:
    struct Glyph {
        std::int16_t Left = 0; // ink's offset right of the pen
        std::int16_t Top = 0;  // ink's top row above the baseline
        std::uint16_t Width = 0;
        std::uint16_t Rows = 0;
        std::int32_t Advance = 0;
        std::uint32_t Offset = 0; // into coverage_, Width * Rows bytes
    };
    struct Mapping {
        char32_t CodePoint;
        std::uint32_t GlyphSlot;
    };

    Font() = default;
    static Font Load();
    const Glyph& Find(char32_t cp) const;

    std::string family_;
    int ascent_ = 0;
    int descent_ = 0;
    // The face's extreme ink extents, to skip text that cannot reach the bitmap.
    int inkAbove_ = 0;
    int inkBelow_ = 0;
    std::vector<Glyph> glyphs_;     // [0] is the face's missing-character glyph
    std::vector<Mapping> mappings_; // sorted by code point
    std::vector<std::uint8_t> coverage_;
};

} // namespace tk
