#include "toolkit/Font.h"

#include "toolkit/Exceptions.h"
#include "toolkit/Utf8.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace tk {
namespace {

// Tahoma 8 pt at 96 dpi: the em is 11 pixels, as the window layout was designed for.
constexpr int kPixelSize = 11;

// No glyph of an 11-pixel font comes near this; a face that claims more is broken, and
// its glyph keeps its advance but draws nothing. It also keeps every offset in 32 bits.
constexpr int kMaxInkSide = 255;

int ClampToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

struct FcPatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};

struct FontFile {
    std::string Path;
    int Index = 0;
};

// fontconfig answers every query with its best substitute, so when `family` is given the
// match must actually carry that family name; otherwise any match will do. The default
// configuration is the one Qt reads as well, so it is parsed once per process.
std::optional<FontFile> MatchFamily(const char* pattern, const char* family) {
    std::unique_ptr<FcPattern, FcPatternDeleter> want(FcPatternCreate());
    if (!want) return std::nullopt;
    FcPatternAddString(want.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(pattern));
    FcPatternAddInteger(want.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(want.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(want.get(), FC_SCALABLE, FcTrue);
    if (!FcConfigSubstitute(nullptr, want.get(), FcMatchPattern)) return std::nullopt;
    FcDefaultSubstitute(want.get());

    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcPattern, FcPatternDeleter> got(FcFontMatch(nullptr, want.get(), &result));
    if (!got) return std::nullopt;

    if (family) {
        bool named = false;
        FcChar8* name = nullptr;
        for (int n = 0;
             !named && FcPatternGetString(got.get(), FC_FAMILY, n, &name) == FcResultMatch; ++n)
            named = FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family)) == 0;
        if (!named) return std::nullopt;
    }

    FcChar8* file = nullptr;
    if (FcPatternGetString(got.get(), FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
    int index = 0;
    FcPatternGetInteger(got.get(), FC_INDEX, 0, &index);
    return FontFile{reinterpret_cast<const char*>(file), index};
}

// The fonts to try, best first: fonts-wine's Tahoma from its known file, then whatever
// fontconfig finds for Tahoma, DejaVu Sans and any sans-serif. fontconfig is asked only
// when the known file is missing or unusable: reading its configuration and caches is a
// good part of a start-up that does not need it.
class Candidates {
  public:
    std::optional<FontFile> Next() {
        if (next_ == 0) {
            ++next_;
            return FontFile{kTahomaFile, 0};
        }
        if (next_ == 1 && !FcInit()) return std::nullopt;
        static constexpr std::pair<const char*, const char*> kFallbacks[] = {
            {"Tahoma", "Tahoma"}, {"DejaVu Sans", "DejaVu Sans"}, {"sans-serif", nullptr}};
        while (next_ <= std::size(kFallbacks)) {
            const auto [pattern, family] = kFallbacks[next_++ - 1];
            if (auto file = MatchFamily(pattern, family)) return file;
        }
        return std::nullopt;
    }

  private:
    std::size_t next_ = 0;
};

// The 26.6 advance, rounded to whole pixels; hinting has normally rounded it already.
int PixelAdvance(FT_Pos advance) {
    return static_cast<int>(std::clamp<FT_Pos>((advance + 32) >> 6, 0, kMaxInkSide));
}

// Reads the glyph slot's bitmap as 8-bit coverage, top row first. Formats other than
// grey and mono do not occur with normal rendering; they leave the glyph without ink.
void AppendCoverage(const FT_Bitmap& bm, std::vector<std::uint8_t>& out, bool& ok) {
    ok = bm.pixel_mode == FT_PIXEL_MODE_GRAY || bm.pixel_mode == FT_PIXEL_MODE_MONO;
    if (!ok || bm.width == 0 || bm.rows == 0) return;
    const unsigned pitch = static_cast<unsigned>(bm.pitch < 0 ? -bm.pitch : bm.pitch);
    const unsigned grays = bm.num_grays > 1 ? bm.num_grays - 1u : 255u;
    for (unsigned r = 0; r < bm.rows; ++r) {
        // A negative pitch stores the rows bottom-up.
        const unsigned char* row =
            bm.buffer + std::size_t(bm.pitch < 0 ? bm.rows - 1 - r : r) * pitch;
        for (unsigned c = 0; c < bm.width; ++c) {
            unsigned v;
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                v = (row[c / 8] & (0x80u >> (c % 8))) ? 255u : 0u;
            else
                v = grays == 255u ? row[c] : std::min(255u, row[c] * 255u / grays);
            out.push_back(static_cast<std::uint8_t>(v));
        }
    }
}

} // namespace

void Font::FreeTypeDeleter::operator()(FT_LibraryRec_* library) const {
    FT_Done_FreeType(library);
}

void Font::FreeTypeDeleter::operator()(FT_FaceRec_* face) const {
    FT_Done_Face(face);
}

Font Font::Load() {
    Font font;
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0)
        throw Exception(
            "Не удалось запустить библиотеку FreeType, и надписи на диаграмме нарисовать нельзя. "
            "Переустановите пакет libfreetype6.");
    font.library_.reset(rawLibrary);

    Candidates candidates;
    while (const std::optional<FontFile> file = candidates.Next()) {
        FT_Face rawFace = nullptr;
        if (FT_New_Face(font.library_.get(), file->Path.c_str(), file->Index, &rawFace) != 0)
            continue;
        font.face_.reset(rawFace);
        const FT_Face face = font.face_.get();
        FT_UInt first = 0;
        if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0 ||
            FT_Set_Pixel_Sizes(face, 0, kPixelSize) != 0 || face->num_glyphs <= 0)
            continue;
        FT_Get_First_Char(face, &first);
        if (first == 0) continue; // maps no character at all

        font.family_ = face->family_name ? face->family_name : "";
        font.file_ = file->Path;

        // GDI's text metrics, which the window layout assumes: the Windows ascent and
        // descent of the OS/2 table, each scaled and rounded to the nearest pixel (Tahoma:
        // 11 + 2 = 13). Faces without that table use FreeType's rounded metrics.
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        const std::int64_t em = face->units_per_EM;
        if (os2 && os2->version != 0xFFFF && em > 0 && os2->usWinAscent + os2->usWinDescent > 0) {
            font.ascent_ =
                static_cast<int>((2 * kPixelSize * std::int64_t{os2->usWinAscent} + em) / (2 * em));
            font.descent_ = static_cast<int>(
                (2 * kPixelSize * std::int64_t{os2->usWinDescent} + em) / (2 * em));
        } else {
            font.ascent_ = static_cast<int>((face->size->metrics.ascender + 32) >> 6);
            font.descent_ = static_cast<int>((-face->size->metrics.descender + 32) >> 6);
        }

        const auto glyphCount = static_cast<std::size_t>(face->num_glyphs);
        font.glyphs_.reserve(glyphCount);
        font.slotOfGlyph_.assign(glyphCount, kNone);
        font.slotOfCodePoint_.fill(kNone);
        return font;
    }
    throw Exception("Не найден шрифт для надписей на диаграмме, Tahoma или DejaVu Sans. "
                    "Установите пакет fonts-dejavu-core (или fonts-wine).");
}

const Font& Font::Default() {
    static const Font font = Load();
    return font;
}

// Renders glyph `glyphIndex` of the face into the cache, if it is not there yet, and
// returns its slot. Rendered per glyph, not per character: several code points may share
// one.
std::uint32_t Font::Render(std::uint32_t glyphIndex) const {
    std::uint32_t& slot = slotOfGlyph_[glyphIndex];
    if (slot != kNone) return slot;
    // A glyph that fails to load or render keeps no ink and no advance.
    Glyph glyph;
    const FT_Face face = face_.get();
    // The embedded bitmap strikes (wine's Tahoma has one at 11 px) are bilevel; the
    // outlines give the antialiased look.
    const bool loaded = FT_Load_Glyph(face, glyphIndex, FT_LOAD_NO_BITMAP) == 0 ||
                        FT_Load_Glyph(face, glyphIndex, FT_LOAD_DEFAULT) == 0;
    const FT_GlyphSlot g = face->glyph;
    if (loaded &&
        (g->format == FT_GLYPH_FORMAT_BITMAP || FT_Render_Glyph(g, FT_RENDER_MODE_NORMAL) == 0)) {
        glyph.Advance = PixelAdvance(g->advance.x);
        const FT_Bitmap& bm = g->bitmap;
        const bool fits = bm.width <= unsigned(kMaxInkSide) && bm.rows <= unsigned(kMaxInkSide) &&
                          std::abs(g->bitmap_left) <= kMaxInkSide &&
                          std::abs(g->bitmap_top) <= kMaxInkSide;
        const std::size_t start = coverage_.size();
        bool ok = false;
        if (fits) AppendCoverage(bm, coverage_, ok);
        if (ok) {
            glyph.Left = static_cast<std::int16_t>(g->bitmap_left);
            glyph.Top = static_cast<std::int16_t>(g->bitmap_top);
            glyph.Width = static_cast<std::uint16_t>(bm.width);
            glyph.Rows = static_cast<std::uint16_t>(bm.rows);
            glyph.Offset = static_cast<std::uint32_t>(start);
        }
    }
    slot = static_cast<std::uint32_t>(glyphs_.size());
    glyphs_.push_back(glyph); // within the reserved capacity: one slot per glyph index
    return slot;
}

const Font::Glyph& Font::Find(char32_t cp) const {
    // A code point the face does not map, or maps past its glyphs, draws glyph 0, the
    // face's missing-character glyph.
    const auto slotOf = [this](char32_t c) {
        const FT_UInt index = FT_Get_Char_Index(face_.get(), c);
        return Render(index < slotOfGlyph_.size() ? index : 0);
    };
    if (cp < kTabled) {
        std::uint32_t& slot = slotOfCodePoint_[cp];
        if (slot == kNone) slot = slotOf(cp);
        return glyphs_[slot];
    }
    return glyphs_[slotOf(cp)];
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
    const Glyph* shortText[kShort];
    std::size_t count = 0;
    std::int64_t advance = 0;
    int inkAbove = 0; // the text's extreme ink extents, to skip text that cannot show
    int inkBelow = 0;
    for (std::size_t i = 0; i < utf8.size() && count <= kShort;) {
        const Glyph& g = Find(DecodeNext(utf8, i));
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
    const std::int64_t baseline = std::int64_t{y} + ascent_;
    if (isShort && (baseline + inkBelow <= top || baseline - inkAbove >= bottom)) return;

    std::int64_t pen = x;
    const auto ink = [&](const Glyph& g) {
        const std::int64_t gx = pen + g.Left;
        const std::int64_t gy = baseline - g.Top;
        pen += g.Advance;

        const std::int64_t c0 = std::max<std::int64_t>(0, left - gx);
        const std::int64_t c1 = std::min<std::int64_t>(g.Width, right - gx);
        const std::int64_t r0 = std::max<std::int64_t>(0, top - gy);
        const std::int64_t r1 = std::min<std::int64_t>(g.Rows, bottom - gy);
        for (std::int64_t r = r0; r < r1; ++r) {
            const std::uint8_t* src = coverage_.data() + g.Offset + r * g.Width;
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
