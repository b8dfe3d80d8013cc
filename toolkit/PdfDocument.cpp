#include "toolkit/PdfDocument.h"

#include "toolkit/DecimalText.h"
#include "toolkit/Deflate.h"
#include "toolkit/Font.h"
#include "toolkit/PictureFile.h"
#include "toolkit/Utf8.h"
#include "toolkit/VectorPicture.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>

namespace tk {

namespace {

// The picture's pixels are screen pixels of 96 dpi: 0,75 point each.
constexpr double kPointsPerPixel = 72.0 / 96.0;
// The canvas's face is set 11 pixels to the em.
constexpr int kEmPixels = 11;

// A number as PDF writes it: at most `decimals` places, no trailing zeros ("12.5", "-3", "0").
void PutNumber(std::string& out, double value, int decimals = 3) {
    const std::string fixed = FixedText(value, decimals);
    std::string_view text(fixed);
    if (text.find('.') != std::string_view::npos) {
        while (text.back() == '0')
            text.remove_suffix(1);
        if (text.back() == '.') text.remove_suffix(1);
    }
    if (text.empty() || text == "-0") text = "0";
    out += text;
}

void PutHex(std::string& out, std::uint32_t value, int digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kHex[(value >> shift) & 15];
}

// A code point as UTF-16BE, in hex: a pair of surrogates above U+FFFF.
void PutUtf16(std::string& out, char32_t cp) {
    if (cp < 0x10000) return PutHex(out, cp, 4);
    cp -= 0x10000;
    PutHex(out, 0xD800 + (cp >> 10), 4);
    PutHex(out, 0xDC00 + (cp & 0x3FF), 4);
}

// A text string of the document's Info: UTF-16BE with its byte-order mark, in hex.
std::string TextString(std::string_view utf8) {
    std::string out = "<FEFF";
    for (std::size_t i = 0; i < utf8.size();)
        PutUtf16(out, DecodeNext(utf8, i));
    return out + ">";
}

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

// The page's content: the picture's shapes and labels as the playback gives them, and the
// glyphs its labels use.
class TPage : public TVectorSink {
  public:
    TPage(int width, int height, double pageHeight) {
        // One unit to the pixel, y downward from the top-left corner, as on the canvas; the
        // picture white and everything clipped to it.
        PutNumber(content_, kPointsPerPixel);
        content_ += " 0 0 ";
        PutNumber(content_, -kPointsPerPixel);
        content_ += " 0 ";
        PutNumber(content_, pageHeight);
        content_ += " cm\n0 0 " + std::to_string(width) + " " + std::to_string(height) +
                    " re W n\n1 g 0 0 " + std::to_string(width) + " " + std::to_string(height) +
                    " re f\n";
    }

    void Fill(const TPath& area, TColor color) override {
        SetColour(color);
        for (const TPath::TSubpath& s : area.Subpaths()) {
            if (s.segments.empty()) continue;
            Point(s.start);
            content_ += "m\n";
            for (const TPath::TSegment& segment : s.segments) {
                if (segment.cubic) {
                    Point(segment.c1);
                    Point(segment.c2);
                }
                Point(segment.to);
                content_ += segment.cubic ? "c\n" : "l\n";
            }
            if (s.closed) content_ += "h\n";
        }
        content_ += area.FillRule == TFillRule::EvenOdd ? "f*\n" : "f\n";
    }

    void Glyphs(const TGlyphRun& run) override {
        const Font& font = Font::Default();
        content_ += "q\n";
        if (run.clip) {
            const TRectF& r = *run.clip;
            Point({r.left, r.top});
            PutNumber(content_, r.right - r.left);
            content_ += ' ';
            PutNumber(content_, r.bottom - r.top);
            content_ += " re W n\n";
        }
        SetColour(run.color);
        // The text matrix turns the page's downward y back up for the glyphs.
        content_ += "BT /F1 " + std::to_string(kEmPixels) + " Tf 1 0 0 -1 ";
        Point(run.origin);
        content_ += "Tm [<";
        for (std::size_t i = 0; i < run.glyphs.size(); ++i) {
            const std::uint16_t glyph = run.glyphs[i];
            const auto [used, fresh] = used_.try_emplace(glyph, TUse{run.codePoints[i], 0});
            if (fresh) used->second.advance = font.Advance(run.codePoints[i]);
            PutHex(content_, glyph, 4);
            // The pen moves by the glyph's width; where the canvas moved it otherwise (a code
            // point sharing another's glyph), by the difference, in thousandths of the em.
            if (i + 1 == run.glyphs.size()) break;
            const int moved = run.offsets[i + 1] - run.offsets[i];
            if (moved != used->second.advance) {
                content_ += "> ";
                PutNumber(content_, (used->second.advance - moved) * 1000.0 / kEmPixels);
                content_ += " <";
            }
        }
        content_ += ">] TJ ET\nQ\n";
        colour_.reset(); // Q restored the colour the q saved
    }

    const std::string& Content() const { return content_; }
    bool HasText() const { return !used_.empty(); }

    // The CIDFont's widths: each glyph's advance on the canvas, in thousandths of the em.
    std::string Widths() const {
        std::string out = "[";
        for (const auto& [glyph, use] : used_) {
            out += std::to_string(glyph) + " [";
            PutNumber(out, use.advance * 1000.0 / kEmPixels);
            out += "] ";
        }
        return out + "]";
    }

    // The text each glyph stands for, as a CMap that a reader copies text out by.
    std::string ToUnicode() const {
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

  private:
    struct TUse {
        char32_t codePoint; // the first one it stood for
        int advance;        // in pixels
    };

    void Point(TPointF p) {
        PutNumber(content_, p.x);
        content_ += ' ';
        PutNumber(content_, p.y);
        content_ += ' ';
    }

    void SetColour(TColor color) {
        if (colour_ == color) return;
        colour_ = color;
        for (const int shift : {16, 8, 0}) {
            PutNumber(content_, double((color >> shift) & 0xFF) / 255.0, 4);
            content_ += ' ';
        }
        content_ += "rg\n";
    }

    std::string content_;
    std::optional<TColor> colour_;
    std::map<std::uint16_t, TUse> used_; // by glyph index
};

// The file's objects, numbered from 1 in the order they are added, and its cross-reference
// table.
class TPdfFile {
  public:
    TPdfFile() { out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }

    // The number the next object will have.
    int Next() const { return int(offsets_.size()) + 1; }

    void Add(const std::string& dictionary) {
        Begin();
        out_ += dictionary + "\nendobj\n";
    }

    // A stream compressed with deflate (ZlibCompress); `extra` goes into its dictionary.
    void AddPackedStream(std::span<const std::uint8_t> packed, const std::string& extra = "") {
        Begin();
        out_ += "<< /Length " + std::to_string(packed.size()) + " /Filter /FlateDecode" + extra +
                " >>\nstream\n";
        out_.append(packed.begin(), packed.end());
        out_ += "\nendstream\nendobj\n";
    }
    void AddStream(std::string_view text) {
        AddPackedStream(ZlibCompress(
            std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())));
    }

    std::vector<std::uint8_t> Finish(int root, int info) {
        const std::size_t table = out_.size();
        out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
        for (const std::size_t offset : offsets_) {
            const std::string digits = std::to_string(offset);
            out_ += std::string(10 - std::min<std::size_t>(10, digits.size()), '0') + digits +
                    " 00000 n \n";
        }
        out_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root " + Ref(root) +
                " /Info " + Ref(info) + " >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n";
        return {out_.begin(), out_.end()};
    }

    static std::string Ref(int object) { return std::to_string(object) + " 0 R"; }

  private:
    void Begin() {
        offsets_.push_back(out_.size());
        out_ += std::to_string(offsets_.size()) + " 0 obj\n";
    }

    std::string out_;
    std::vector<std::size_t> offsets_;
};

} // namespace

std::vector<std::uint8_t> PdfOfCalls(std::span<const TCanvasCall> calls, int width, int height,
                                     std::string_view title, TOverlayCalls overlay) {
    // A page is a whole number of points: the picture's size rounded up, the picture at its
    // top-left corner (a white edge under a pixel wide on the right and at the bottom).
    const int pageWidth = int(std::ceil(width * kPointsPerPixel));
    const int pageHeight = int(std::ceil(height * kPointsPerPixel));
    TPage page(width, height, pageHeight);
    PlayCalls(calls, width, height, page, overlay);

    using R = TPdfFile;
    TPdfFile pdf;
    const int catalog = pdf.Next(), pages = catalog + 1, pageObject = pages + 1,
              content = pages + 2, font = pages + 3;
    pdf.Add("<< /Type /Catalog /Pages " + R::Ref(pages) + " >>");
    pdf.Add("<< /Type /Pages /Kids [" + R::Ref(pageObject) + "] /Count 1 >>");
    pdf.Add("<< /Type /Page /Parent " + R::Ref(pages) + " /MediaBox [0 0 " +
            std::to_string(pageWidth) + " " + std::to_string(pageHeight) + "] /Resources << " +
            (page.HasText() ? "/Font << /F1 " + R::Ref(font) + " >> " : "") + ">> /Contents " +
            R::Ref(content) + " >>");
    pdf.AddStream(page.Content());
    if (page.HasText()) {
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
                R::Ref(descriptor) + " /CIDToGIDMap /Identity /W " + page.Widths() + " >>");
        pdf.Add("<< /Type /FontDescriptor /FontName " + name + " /Flags 32 /FontBBox [" +
                std::to_string(m.xMin) + " " + std::to_string(m.yMin) + " " +
                std::to_string(m.xMax) + " " + std::to_string(m.yMax) +
                "] /ItalicAngle 0 /Ascent " + std::to_string(m.ascent) + " /Descent " +
                std::to_string(m.descent) + " /CapHeight " + std::to_string(m.capHeight) +
                " /StemV 80 /FontFile2 " + R::Ref(file) + " >>");
        pdf.AddPackedStream(PackedFace(), " /Length1 " + std::to_string(face.FileBytes().size()));
        pdf.AddStream(page.ToUnicode());
    }
    const int info = pdf.Next();
    const std::string_view program = title.substr(0, title.find(" — "));
    pdf.Add("<< /Title " + TextString(title) + " /Creator " + TextString(program) + " >>");
    return pdf.Finish(catalog, info);
}

void SavePdf(const TCanvas& canvas, const std::string& path, const std::string& title,
             TOverlayCalls overlay) {
    SavePictureFile(
        path, PdfOfCalls(PictureCalls(canvas), canvas.Width(), canvas.Height(), title, overlay));
}

} // namespace tk
