// The canvas font: Tahoma 8 pt at 96 dpi (11 px), falling back to DejaVu Sans, rendered
// with FreeType and blended onto the bitmap.
//
// Each glyph is rendered once, the first time a text uses it, and kept: the chart redraws
// dozens of labels on every click, and after the first picture drawing text neither
// touches FreeType nor allocates: of the face's thousand-odd glyphs the chart uses about
// sixty.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace tk {

// Debian's fonts-wine puts a Tahoma with Cyrillic here, outside fontconfig's search path.
// The canvas opens it directly; the controls register it with Qt.
inline constexpr char kTahomaFile[] = "/usr/share/wine/fonts/tahoma.ttf";

class Font {
  public:
    // The process's canvas font, loaded once on first use. Its glyphs are filled in as
    // texts need them, so it is used from one thread only (the programs draw on their
    // window's thread). Throws tk::Exception when the machine has no usable font.
    static const Font& Default();

    // The sum of the glyph advances, in pixels; invalid UTF-8 counts as U+FFFD.
    int TextWidth(std::string_view utf8) const;
    // The height of a text cell: the font's ascent plus descent, whatever the text.
    int Height() const { return ascent_ + descent_; }
    // The baseline's distance below the cell's top.
    int Ascent() const { return ascent_; }
    // The family of the face in use, as the face itself names it.
    const std::string& Family() const { return family_; }
    // The file the face was read from, for a copy of the picture that sets its labels in
    // the same face: "/usr/share/wine/fonts/tahoma.ttf".
    const std::string& File() const { return file_; }

    // Blends the glyphs in black (the only colour the canvas's font has) with the cell's
    // top-left at (x, y), clipped to the bitmap and, if `withinCell`, to the cell as well:
    // antialiased edges spill a pixel past the advance, and text on an opaque box must not
    // leave ink outside the box.
    void Draw(std::uint32_t* bits, int width, int height, int x, int y, std::string_view utf8,
              bool withinCell) const;

  private:
    struct Glyph {
        std::int16_t Left = 0; // ink's offset right of the pen
        std::int16_t Top = 0;  // ink's top row above the baseline
        std::uint16_t Width = 0;
        std::uint16_t Rows = 0;
        std::int32_t Advance = 0;
        std::uint32_t Offset = 0; // into coverage_, Width * Rows bytes
    };
    struct FreeTypeDeleter {
        void operator()(FT_LibraryRec_* library) const;
        void operator()(FT_FaceRec_* face) const;
    };
    // Code points below this (ASCII, Latin, Greek, Cyrillic: every label of the chart) find
    // their glyph through a table rather than the face's character map.
    static constexpr char32_t kTabled = 0x500;
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;

    Font() = default;
    static Font Load();
    const Glyph& Find(char32_t cp) const;
    std::uint32_t Render(std::uint32_t glyphIndex) const;

    // The library outlives the face, which it owns: members are destroyed in reverse.
    std::unique_ptr<FT_LibraryRec_, FreeTypeDeleter> library_;
    std::unique_ptr<FT_FaceRec_, FreeTypeDeleter> face_;
    std::string family_;
    std::string file_;
    int ascent_ = 0;
    int descent_ = 0;
    // The cache of rendered glyphs. Its capacity is the face's glyph count, reserved at
    // load, so a glyph's address stays put while a text renders more of them.
    mutable std::vector<Glyph> glyphs_;
    mutable std::vector<std::uint32_t> slotOfGlyph_; // by glyph index, kNone until rendered
    mutable std::array<std::uint32_t, kTabled> slotOfCodePoint_; // kNone until looked up
    mutable std::vector<std::uint8_t> coverage_;
};

} // namespace tk
