// The embedded face (PdfFont.h): its descriptor's numbers read from the TrueType file's
// tables (the table directory, then head, hhea and OS/2, as Apple's TrueType reference and
// OpenType lay them out), the file itself compressed once for the process, the glyphs' widths
// and ToUnicode CMap, and the objects that tie them together.
#include "toolkit/PdfFont.h"

#include "toolkit/Deflate.h"
#include "toolkit/Font.h"
#include "toolkit/PdfSyntax.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tk::pdf {

namespace {

// What the font's descriptor says of the face, from its file, in thousandths of the em.
struct TFaceMetrics {
    int xMin = 0, yMin = -250, xMax = 1000, yMax = 1000;
    int ascent = 1000, descent = -250, capHeight = 700;
};

TFaceMetrics MetricsOf(std::span<const std::uint8_t> file) {
    const auto u16 = [&](std::size_t at) -> std::optional<int> {
        if (at + 2 > file.size()) return std::nullopt;
        return int(file[at]) << 8 | int(file[at + 1]);
    };
    const auto s16 = [&](std::size_t at) -> std::optional<int> {
        const std::optional<int> v = u16(at);
        return v ? std::optional<int>(*v >= 0x8000 ? *v - 0x10000 : *v) : std::nullopt;
    };
    const auto table = [&](std::string_view tag) -> std::optional<std::size_t> {
        const int count = u16(4).value_or(0);
        for (int i = 0; i < count; ++i) {
            const std::size_t record = 12 + 16 * std::size_t(i);
            if (record + 16 > file.size()) break;
            if (std::equal(tag.begin(), tag.end(), file.begin() + std::ptrdiff_t(record)))
                return std::size_t(file[record + 8]) << 24 | std::size_t(file[record + 9]) << 16 |
                       std::size_t(file[record + 10]) << 8 | std::size_t(file[record + 11]);
        }
        return std::nullopt;
    };
    TFaceMetrics m;
    const std::optional<std::size_t> head = table("head"), hhea = table("hhea"),
                                     os2 = table("OS/2");
    const int units = head ? u16(*head + 18).value_or(0) : 0;
    if (units <= 0) return m;
    const auto scaled = [&](std::optional<int> v, int otherwise) {
        return v ? int(std::lround(*v * 1000.0 / units)) : otherwise;
    };
    m.xMin = scaled(s16(*head + 36), m.xMin);
    m.yMin = scaled(s16(*head + 38), m.yMin);
    m.xMax = scaled(s16(*head + 40), m.xMax);
    m.yMax = scaled(s16(*head + 42), m.yMax);
    if (hhea) {
        m.ascent = scaled(s16(*hhea + 4), m.ascent);
        m.descent = scaled(s16(*hhea + 6), m.descent);
    }
    // The cap height is in OS/2 from its version 2 on.
    m.capHeight = os2 && u16(*os2).value_or(0) >= 2 ? scaled(s16(*os2 + 88), m.ascent) : m.ascent;
    return m;
}

// The face's file compressed, once for the process: every document embeds the same.
const std::vector<std::uint8_t>& PackedFace() {
    static const std::vector<std::uint8_t> packed = ZlibCompress(Font::Default().FileBytes());
    return packed;
}

// The family as a PDF name: "DejaVu Sans" is /DejaVuSans.
std::string FontName(const std::string& family) {
    std::string name;
    for (const char c : family)
        if (c > ' ' && c < 127 && std::string_view("()<>[]{}/%#").find(c) == std::string_view::npos)
            name += c;
    return name.empty() ? "Font" : name;
}

} // namespace

int TGlyphsUsed::Note(std::uint16_t glyph, char32_t codePoint) {
    const auto [use, fresh] = used_.try_emplace(glyph, TUse{codePoint, 0});
    if (fresh) use->second.advance = Font::Default().Advance(codePoint);
    return use->second.advance;
}

std::string TGlyphsUsed::Widths() const {
    std::string out = "[";
    for (const auto& [glyph, use] : used_) {
        out += std::to_string(glyph) + " [";
        PutNumber(out, use.advance * 1000.0 / kEmPixels);
        out += "] ";
    }
    return out + "]";
}

std::string TGlyphsUsed::ToUnicode() const {
    std::string out = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> "
                      "def\n/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    // At most a hundred entries to a block.
    auto use = used_.begin();
    for (std::size_t left = used_.size(); left > 0;) {
        const std::size_t block = std::min<std::size_t>(left, 100);
        out += std::to_string(block) + " beginbfchar\n";
        for (std::size_t i = 0; i < block; ++i, ++use) {
            out += '<';
            PutHex(out, use->first, 4);
            out += "> <";
            PutUtf16(out, use->second.codePoint);
            out += ">\n";
        }
        out += "endbfchar\n";
        left -= block;
    }
    return out + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

void AddFont(TPdfFile& pdf, const TGlyphsUsed& glyphs) {
    using R = TPdfFile;
    const int font = pdf.Next();
    const Font& face = Font::Default();
    const std::string name = "/" + FontName(face.Family());
    const TFaceMetrics m = MetricsOf(face.FileBytes());
    const int cidFont = font + 1, descriptor = font + 2, file = font + 3, cmap = font + 4;
    pdf.Add("<< /Type /Font /Subtype /Type0 /BaseFont " + name +
            " /Encoding /Identity-H /DescendantFonts [" + R::Ref(cidFont) + "] /ToUnicode " +
            R::Ref(cmap) + " >>");
    pdf.Add("<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + name +
            " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> "
            "/FontDescriptor " +
            R::Ref(descriptor) + " /CIDToGIDMap /Identity /W " + glyphs.Widths() + " >>");
    pdf.Add("<< /Type /FontDescriptor /FontName " + name + " /Flags 32 /FontBBox [" +
            std::to_string(m.xMin) + " " + std::to_string(m.yMin) + " " + std::to_string(m.xMax) +
            " " + std::to_string(m.yMax) + "] /ItalicAngle 0 /Ascent " + std::to_string(m.ascent) +
            " /Descent " + std::to_string(m.descent) + " /CapHeight " +
            std::to_string(m.capHeight) + " /StemV 80 /FontFile2 " + R::Ref(file) + " >>");
    pdf.AddPackedStream(PackedFace(), " /Length1 " + std::to_string(face.FileBytes().size()));
    pdf.AddStream(glyphs.ToUnicode());
}

} // namespace tk::pdf
