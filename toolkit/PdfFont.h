// The face embedded in our PDFs (PdfDocument.h), after ISO 32000-1, 9.7 to 9.10: a Type0
// font over a CIDFontType2 (9.7.4), Identity-H, glyph numbers as character codes, the whole
// TrueType file as its FontFile2 (9.9); its widths (/W) the canvas's own advances, its
// descriptor's box and heights from the file's head, hhea and OS/2 tables, and a ToUnicode
// map (9.10.3) from each glyph to the text it stands for, so that the labels copy out and
// search.
#pragma once

#include "toolkit/PdfFile.h"

#include <cstdint>
#include <map>
#include <string>

namespace tk::pdf {

// The canvas's face is set 11 pixels to the em.
constexpr int kEmPixels = 11;

// The glyphs a document's text uses.
class TGlyphsUsed {
  public:
    // Notes that the glyph stands for the code point; its advance on the canvas, in pixels.
    int Note(std::uint16_t glyph, char32_t codePoint);

    bool Empty() const { return used_.empty(); }

    // The CIDFont's widths: each glyph's advance on the canvas, in thousandths of the em.
    std::string Widths() const;

    // The text each glyph stands for, as a CMap that a reader copies text out by.
    std::string ToUnicode() const;

  private:
    struct TUse {
        char32_t codePoint; // the first one it stood for
        int advance;        // in pixels
    };

    std::map<std::uint16_t, TUse> used_; // by glyph index
};

// The font's five objects, the Type0 font first, numbered from pdf.Next() on.
void AddFont(TPdfFile& pdf, const TGlyphsUsed& glyphs);

} // namespace tk::pdf
