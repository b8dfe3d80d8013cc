#include "toolkit/Font.h"

#include "toolkit/GlyphTable.h"
#include "toolkit/Utf8.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace tk {
namespace {

using glyphs::TGlyph;

int ClampToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

// The character's entry in the table, or nullptr where the face does not map it.
const glyphs::TCharacter* Character(char32_t cp) {
    const glyphs::TCharacter* first = glyphs::kCharacters;
    const glyphs::TCharacter* last = first + glyphs::kCharacterCount;
    const glyphs::TCharacter* at = std::lower_bound(
        first, last, cp, [](const glyphs::TCharacter& c, char32_t v) { return c.CodePoint < v; });
    return at != last && at->CodePoint == cp ? at : nullptr;
}

} // namespace

Font::Font() : family_(glyphs::kFamily) {}

const Font& Font::Default() {
    static const Font font;
    return font;
}

int Font::Height() const {
    return glyphs::kAscent + glyphs::kDescent;
}

int Font::Ascent() const {
    return glyphs::kAscent;
}

int Font::UnitsPerEm() const {
    return glyphs::kUnitsPerEm;
}

std::span<const std::uint8_t> Font::FileBytes() const {
    return {glyphs::kFile, glyphs::kFileSize};
}

// A code point the face does not map draws glyph 0, the face's missing-character glyph.
const TGlyph& Font::Find(char32_t cp) const {
    if (cp < glyphs::kDirect) return glyphs::kGlyphs[glyphs::kGlyphOfCodePoint[cp]];
    const glyphs::TCharacter* c = Character(cp);
    return glyphs::kGlyphs[c ? c->Glyph : 0];
}

std::uint16_t Font::GlyphIndex(char32_t cp) const {
    const glyphs::TCharacter* c = Character(cp);
    return c ? c->FaceGlyph : 0;
}

int Font::Advance(char32_t cp) const {
    return Find(cp).Advance;
}

int Font::TextWidth(std::string_view utf8) const {
    std::int64_t width = 0;
    for (std::size_t i = 0; i < utf8.size();)
        width += Find(DecodeNext(utf8, i)).Advance;
    return ClampToInt(width);
}

namespace {

// Black over the pixel d at coverage a: each channel c becomes c - floor(c a / 255), which
// is what the general blend below gives for black. Red and blue are worked out together in
// the two halves of one word, and x / 255 as (x + 1 + (x >> 8)) >> 8, exact below 2^16.
inline std::uint32_t BlackOver(std::uint32_t d, std::uint32_t a) {
    // Most ink falls on white, where every channel becomes 255 - a.
    if ((d & 0x00FFFFFFu) == 0x00FFFFFFu) return (255 - a) * 0x010101u;
    const std::uint32_t rb = (d & 0x00FF00FFu) * a;
    const std::uint32_t g = ((d >> 8) & 0xFFu) * a;
    const std::uint32_t rbShade =
        ((rb + 0x00010001u + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    const std::uint32_t gShade = (g + 1 + (g >> 8)) >> 8;
    return (d & 0x00FFFFFFu) - (rbShade | gShade << 8);
}

} // namespace

void Font::Draw(std::uint32_t* bits, int width, int height, int x, int y, std::string_view utf8,
                bool withinCell) const {
    // The glyphs of a text of the usual length are looked up once, for its width and its ink.
    constexpr std::size_t kShort = 64;
    const TGlyph* shortText[kShort];
    std::size_t count = 0;
    std::int64_t advance = 0;
    int inkAbove = 0; // the text's extreme ink extents, to skip text that cannot show
    int inkBelow = 0;
    for (std::size_t i = 0; i < utf8.size() && count <= kShort;) {
        const TGlyph& g = Find(DecodeNext(utf8, i));
        if (count < kShort) shortText[count] = &g;
        ++count;
        advance += g.Advance;
        inkAbove = std::max(inkAbove, int{g.Top});
        inkBelow = std::max(inkBelow, g.Rows - g.Top);
    }
    const bool isShort = count <= kShort;

    std::int64_t left = 0, top = 0, right = width, bottom = height;
    if (withinCell) {
        left = std::max<std::int64_t>(left, x);
        top = std::max<std::int64_t>(top, y);
        right = std::min<std::int64_t>(
            right, std::int64_t{x} + (isShort ? ClampToInt(advance) : TextWidth(utf8)));
        bottom = std::min<std::int64_t>(bottom, std::int64_t{y} + Height());
    }
    if (left >= right || top >= bottom) return;
    const std::int64_t baseline = std::int64_t{y} + glyphs::kAscent;
    if (isShort && (baseline + inkBelow <= top || baseline - inkAbove >= bottom)) return;

    std::int64_t pen = x;
    const auto ink = [&](const TGlyph& g) {
        const std::int64_t gx = pen + g.Left;
        const std::int64_t gy = baseline - g.Top;
        pen += g.Advance;

        const std::int64_t c0 = std::max<std::int64_t>(0, left - gx);
        const std::int64_t c1 = std::min<std::int64_t>(g.Width, right - gx);
        const std::int64_t r0 = std::max<std::int64_t>(0, top - gy);
        const std::int64_t r1 = std::min<std::int64_t>(g.Rows, bottom - gy);
        for (std::int64_t r = r0; r < r1; ++r) {
            const std::uint8_t* src = glyphs::kCoverage + g.Offset + r * g.Width;
            std::uint32_t* dst = bits + (gy + r) * width;
            for (std::int64_t c = c0; c < c1; ++c)
                if (src[c] != 0) dst[gx + c] = BlackOver(dst[gx + c], src[c]);
        }
    };
    if (isShort) {
        for (std::size_t k = 0; k < count; ++k)
            ink(*shortText[k]);
    } else {
        for (std::size_t i = 0; i < utf8.size();)
            ink(Find(DecodeNext(utf8, i)));
    }
}

} // namespace tk
