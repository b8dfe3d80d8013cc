// make_glyph_table FONT.ttf OUT.cpp: renders every glyph the face maps a character to, at
// the canvas's 11 pixels to the em, into a C++ source that defines the canvas font's table
// (toolkit/GlyphTable.h), with the face's file itself for documents that embed it.
//
// It runs at build time on the build machine, so the programs read their labels from the
// table and need neither FreeType nor a font at run time; a cross-build runs the host's
// copy of this tool. The rendering is FreeType's antialiased outline rendering, hinted,
// with GDI's ascent and descent:
//  - the outlines, not the embedded bitmap strikes (wine's Tahoma has a bilevel one at
//    11 px), unless a glyph has no outline;
//  - ascent and descent are the OS/2 table's Windows ascent and descent scaled to 11 px and
//    rounded, as the window layout assumes (Tahoma: 11 + 2 = 13); faces without that table
//    use FreeType's rounded metrics.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Tahoma 8 pt at 96 dpi: the em is 11 pixels, as the window layout was designed for.
constexpr int kPixelSize = 11;
// No glyph of an 11-pixel font comes near this; a face that claims more is broken, and its
// glyph keeps its advance but draws nothing.
constexpr int kMaxInkSide = 255;
constexpr char32_t kDirect = 0x500; // as toolkit/GlyphTable.h

struct Glyph {
    int Left = 0, Top = 0, Width = 0, Rows = 0, Advance = 0;
    std::size_t Offset = 0;
};

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "make_glyph_table: %s\n", why.c_str());
    std::exit(1);
}

// Reads the glyph slot's bitmap as 8-bit coverage, top row first. Formats other than grey
// and mono do not occur with normal rendering; they leave the glyph without ink.
bool AppendCoverage(const FT_Bitmap& bm, std::vector<std::uint8_t>& out) {
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY && bm.pixel_mode != FT_PIXEL_MODE_MONO) return false;
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
    return true;
}

// A glyph that fails to load or render keeps no ink and no advance.
Glyph Render(FT_Face face, FT_UInt index, std::vector<std::uint8_t>& coverage) {
    Glyph glyph;
    const bool loaded = FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP) == 0 ||
                        FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) == 0;
    const FT_GlyphSlot g = face->glyph;
    if (!loaded ||
        (g->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(g, FT_RENDER_MODE_NORMAL) != 0))
        return glyph;
    // The 26.6 advance, rounded to whole pixels; hinting has normally rounded it already.
    glyph.Advance = static_cast<int>(std::clamp<FT_Pos>((g->advance.x + 32) >> 6, 0, kMaxInkSide));
    const FT_Bitmap& bm = g->bitmap;
    const bool fits = bm.width <= unsigned(kMaxInkSide) && bm.rows <= unsigned(kMaxInkSide) &&
                      std::abs(g->bitmap_left) <= kMaxInkSide &&
                      std::abs(g->bitmap_top) <= kMaxInkSide;
    const std::size_t start = coverage.size();
    if (fits && bm.width != 0 && bm.rows != 0 && AppendCoverage(bm, coverage)) {
        glyph.Left = g->bitmap_left;
        glyph.Top = g->bitmap_top;
        glyph.Width = static_cast<int>(bm.width);
        glyph.Rows = static_cast<int>(bm.rows);
        glyph.Offset = start;
    }
    return glyph;
}

// Bytes as a brace list, 24 to a line.
void WriteBytes(std::ostream& out, const std::uint8_t* bytes, std::size_t size) {
    out << "{";
    for (std::size_t i = 0; i < size; ++i)
        out << (i % 24 == 0 ? "\n    " : "") << unsigned(bytes[i]) << ",";
    out << "\n}";
}

std::string CString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (c < 0x20 || c >= 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\%03o", c);
            out += code;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

} // namespace

namespace {

std::vector<std::uint8_t> ReadFont(const std::string& fontPath) {
    std::ifstream in(fontPath, std::ios::binary);
    std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) Fail("cannot read " + fontPath);
    if (file.empty()) Fail("no font in " + fontPath);
    return file;
}

// The face's ascent and descent in pixels at kPixelSize: Windows' (usWinAscent and
// usWinDescent of the OS/2 table), which place its text, where the face has them.
std::pair<int, int> AscentDescent(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const std::int64_t em = face->units_per_EM;
    if (os2 && os2->version != 0xFFFF && em > 0 && os2->usWinAscent + os2->usWinDescent > 0)
        return {
            static_cast<int>((2 * kPixelSize * std::int64_t{os2->usWinAscent} + em) / (2 * em)),
            static_cast<int>((2 * kPixelSize * std::int64_t{os2->usWinDescent} + em) / (2 * em))};
    return {static_cast<int>((face->size->metrics.ascender + 32) >> 6),
            static_cast<int>((-face->size->metrics.descender + 32) >> 6)};
}

struct Character {
    char32_t CodePoint;
    FT_UInt FaceGlyph;
    std::size_t Slot;
};

// Every glyph the face maps a character to, rendered once, and the characters.
struct Table {
    std::vector<Glyph> Glyphs;
    std::vector<std::uint8_t> Coverage;
    std::vector<Character> Characters;
    std::vector<std::size_t> Direct; // the slot of each code point below kDirect
};

Table Collect(FT_Face face, const std::string& fontPath) {
    // Glyph 0 first: the missing-character glyph, for every code point the face lacks. A
    // code point mapped past the face's glyphs draws it too.
    Table t;
    std::map<FT_UInt, std::size_t> slotOfGlyph;
    const auto slotOf = [&](FT_UInt index) {
        if (index >= FT_UInt(face->num_glyphs)) index = 0;
        const auto [at, added] = slotOfGlyph.try_emplace(index, t.Glyphs.size());
        if (added) t.Glyphs.push_back(Render(face, index, t.Coverage));
        return at->second;
    };
    slotOf(0);
    FT_UInt index = 0;
    for (FT_ULong cp = FT_Get_First_Char(face, &index); index != 0;
         cp = FT_Get_Next_Char(face, cp, &index)) {
        const FT_UInt faceGlyph = index < FT_UInt(face->num_glyphs) ? index : 0;
        t.Characters.push_back({static_cast<char32_t>(cp), faceGlyph, slotOf(index)});
    }
    if (t.Characters.empty()) Fail(fontPath + " maps no character");
    if (t.Glyphs.size() > 0xFFFF || t.Coverage.size() > 0xFFFFFFFFu) Fail("too many glyphs");
    t.Direct.assign(kDirect, 0);
    for (const Character& c : t.Characters)
        if (c.CodePoint < kDirect) t.Direct[c.CodePoint] = c.Slot;
    // An array may not be empty: a face without ink still gets one byte.
    if (t.Coverage.empty()) t.Coverage.push_back(0);
    return t;
}

std::string Source(FT_Face face, const std::string& fontPath, const Table& t,
                   const std::vector<std::uint8_t>& file) {
    const auto [ascent, descent] = AscentDescent(face);
    std::ostringstream out;
    out << "// Generated by make_glyph_table from " << fontPath << ": do not edit.\n"
        << "#include \"toolkit/GlyphTable.h\"\n\n#include <iterator>\n\nnamespace tk::glyphs {\n\n"
        << "const char kFamily[] = " << CString(face->family_name ? face->family_name : "")
        << ";\nconst int kAscent = " << ascent << ";\nconst int kDescent = " << descent
        << ";\nconst int kUnitsPerEm = " << face->units_per_EM << ";\n\n"
        << "const TGlyph kGlyphs[] = {\n";
    for (const Glyph& g : t.Glyphs)
        out << "    {" << g.Left << ", " << g.Top << ", " << g.Width << ", " << g.Rows << ", "
            << g.Advance << ", " << g.Offset << "},\n";
    out << "};\nconst std::size_t kGlyphCount = std::size(kGlyphs);\n\n"
        << "const std::uint16_t kGlyphOfCodePoint[kDirect] = {";
    for (std::size_t cp = 0; cp < kDirect; ++cp)
        out << (cp % 16 == 0 ? "\n    " : " ") << t.Direct[cp] << ",";
    out << "\n};\n\nconst TCharacter kCharacters[] = {\n";
    for (const Character& c : t.Characters)
        out << "    {" << std::uint32_t(c.CodePoint) << ", " << c.FaceGlyph << ", " << c.Slot
            << "},\n";
    out << "};\nconst std::size_t kCharacterCount = std::size(kCharacters);\n\n"
        << "const std::uint8_t kCoverage[] = ";
    WriteBytes(out, t.Coverage.data(), t.Coverage.size());
    out << ";\n\nconst std::uint8_t kFile[] = ";
    WriteBytes(out, file.data(), file.size());
    out << ";\nconst std::size_t kFileSize = std::size(kFile);\n\n} // namespace tk::glyphs\n";
    return out.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) Fail("usage: make_glyph_table FONT.ttf OUT.cpp");
    const std::string fontPath = argv[1];
    const std::vector<std::uint8_t> file = ReadFont(fontPath);

    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0) Fail("FreeType does not start");
    if (FT_New_Memory_Face(library, file.data(), static_cast<FT_Long>(file.size()), 0, &face) != 0)
        Fail(fontPath + " is no font FreeType reads");
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0 ||
        FT_Set_Pixel_Sizes(face, 0, kPixelSize) != 0 || face->num_glyphs <= 0)
        Fail(fontPath + " has no Unicode character map or no glyphs");
    const std::string source = Source(face, fontPath, Collect(face, fontPath), file);
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    std::ofstream target(argv[2], std::ios::binary | std::ios::trunc);
    target << source;
    target.close();
    if (!target) Fail(std::string("cannot write ") + argv[2]);
    return 0;
}
