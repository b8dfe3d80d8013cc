#include "toolkit/Canvas.h"
#include "toolkit/Font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>
#include <vector>

using namespace tk;

namespace {

constexpr TColor kBox = RGB(200, 220, 240);

// A background where every pixel differs from its neighbours, so that any pixel the text
// touches by mistake shows. Defined for any int, so shifted copies line up.
TColor Pattern(int x, int y) {
    const unsigned ux = static_cast<unsigned>(x);
    const unsigned uy = static_cast<unsigned>(y);
    return RGB((ux * 37u) & 0xFFu, (uy * 53u) & 0xFFu, ((ux + uy) * 11u + 90u) & 0xFFu);
}

// The canvas filled with Pattern as seen from (dx, dy) onwards.
TCanvas Patterned(int width, int height, int dx = 0, int dy = 0) {
    TCanvas c(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            c.Bits()[std::size_t(y) * width + x] = Pattern(x + dx, y + dy);
    return c;
}

TCanvas Filled(int width, int height, TColor color) {
    TCanvas c(width, height);
    std::fill(c.Bits(), c.Bits() + std::size_t(width) * height, color);
    return c;
}

void Text(TCanvas& c, TBrushStyle brush, int x, int y, std::string_view text) {
    c.Brush.Style = brush;
    c.Brush.Color = kBox;
    c.TextOut(x, y, text);
}

std::vector<TColor> Pixels(const TCanvas& c) {
    return {c.Bits(), c.Bits() + std::size_t(c.Width()) * c.Height()};
}

int InkPixels(const TCanvas& c, TColor background) {
    int n = 0;
    for (TColor p : Pixels(c))
        n += p != background;
    return n;
}

unsigned Channel(TColor c, int shift) {
    return (c >> shift) & 0xFFu;
}

// A code point no text face maps, so it shows the missing-character glyph.
constexpr const char* kUnmapped = "\xF4\x8F\xBF\xBD"; // U+10FFFD

} // namespace

// The face in use here, and the cell that the window layout was designed around.
TEST(TextFont, TahomaWithThe13PixelCell) {
    const Font& font = Font::Default();
    EXPECT_EQ(font.Family(), "Tahoma");
    EXPECT_EQ(font.Ascent(), 11);
    TCanvas c(1, 1);
    for (const char* text : {"", "0,25", "Длина шлейфа", "\xFF"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(c.TextHeight(text), 13);
    }
}

struct BoxCase {
    const char* name;
    const char* text;
    int x, y;
};

const BoxCase kBoxCases[] = {
    {"grid label", "1,0", 10, 10},
    {"wavelength label", "0,25", 60, 20},
    {"impedance with descender", "Zнн=1,00+j1,00", 3, 5},
    {"cyrillic words", "Длина шлейфа", 1, 1},
};

// A solid brush puts an opaque box of exactly the cell behind the text: inside it the
// result is the text on the brush colour whatever was below, outside nothing changes.
TEST(TextBox, SolidBrushFillsExactlyTheCell) {
    for (const BoxCase& k : kBoxCases) {
        SCOPED_TRACE(k.name);
        TCanvas c = Patterned(160, 40);
        Text(c, TBrushStyle::bsSolid, k.x, k.y, k.text);
        TCanvas onBox = Filled(160, 40, kBox);
        Text(onBox, TBrushStyle::bsClear, k.x, k.y, k.text);

        const int right = k.x + c.TextWidth(k.text);
        const int bottom = k.y + c.TextHeight(k.text);
        int boxPixels = 0;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x) {
                const bool inCell = x >= k.x && x < right && y >= k.y && y < bottom;
                const TColor want = inCell ? onBox.Pixel(x, y) : Pattern(x, y);
                ASSERT_EQ(c.Pixel(x, y), want) << "at " << x << "," << y;
                boxPixels += inCell && c.Pixel(x, y) == kBox;
            }
        EXPECT_GT(boxPixels, 0);
        EXPECT_GT(InkPixels(onBox, kBox), 0);
    }
}

// A clear brush leaves the background and blends each glyph pixel towards black by its
// coverage, dst - dst * coverage / 255, read off the same text drawn on white.
TEST(TextBox, ClearBrushBlendsGlyphsOverTheBackground) {
    for (const BoxCase& k : kBoxCases) {
        SCOPED_TRACE(k.name);
        TCanvas c = Patterned(160, 40);
        Text(c, TBrushStyle::bsClear, k.x, k.y, k.text);
        TCanvas onWhite = Filled(160, 40, clWhite);
        Text(onWhite, TBrushStyle::bsClear, k.x, k.y, k.text);

        int partial = 0;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x) {
                const unsigned a = 255u - Channel(onWhite.Pixel(x, y), 0);
                const TColor below = Pattern(x, y);
                const auto blend = [&](int shift) {
                    const unsigned d = Channel(below, shift);
                    return d - d * a / 255u;
                };
                ASSERT_EQ(c.Pixel(x, y), RGB(blend(16), blend(8), blend(0)))
                    << "at " << x << "," << y;
                partial += a > 0 && a < 255;
            }
        EXPECT_GT(partial, 0) << "glyphs should be antialiased";
    }
}

// Russian labels come out as real letters, not as the missing-character glyph, and the
// chart's longest formula has the width of an 11-pixel sans-serif line.
TEST(TextGlyphs, CyrillicLettersAreRealGlyphs) {
    TCanvas missing = Filled(24, 13, clWhite);
    Text(missing, TBrushStyle::bsClear, 0, 0, kUnmapped);
    ASSERT_GT(missing.TextWidth(kUnmapped), 0);

    const std::string letters =
        "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя";
    for (std::size_t i = 0; i < letters.size(); i += 2) {
        const std::string letter = letters.substr(i, 2);
        SCOPED_TRACE(letter);
        TCanvas c = Filled(24, 13, clWhite);
        Text(c, TBrushStyle::bsClear, 0, 0, letter);
        EXPECT_GT(InkPixels(c, clWhite), 0);
        EXPECT_NE(Pixels(c), Pixels(missing));
    }

    TCanvas c(1, 1);
    const int width = c.TextWidth("Zнн=1,00+j1,00");
    EXPECT_GE(width, 14 * 4);
    EXPECT_LE(width, 14 * 7);
}

// Glyphs are rendered the first time a text uses them, many at once here, below and above
// the code points found by table (Greek, Latin-1; Hebrew, Thai, signs): that first drawing
// is the same as every later one, which takes them from the cache.
TEST(TextGlyphs, FirstDrawingIsLikeEveryLaterOne) {
    const std::string text = "ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠ ÀÁÂÃÄÅÆÇÈÉ אבגדהוזחט กขฃคฅ €№™←↑→";
    TCanvas first = Filled(600, 13, clWhite);
    Text(first, TBrushStyle::bsClear, 0, 0, text);
    TCanvas later = Filled(600, 13, clWhite);
    Text(later, TBrushStyle::bsClear, 0, 0, text);
    EXPECT_GT(InkPixels(first, clWhite), 300);
    EXPECT_EQ(Pixels(first), Pixels(later));
}

// Widths add up: a label drawn in pieces ends where the whole label ends.
TEST(TextGlyphs, WidthOfAStringIsTheSumOfItsParts) {
    struct Case {
        const char* left;
        const char* right;
    };
    const Case cases[] = {
        {"Zнн=", "1,00+j1,00"}, {"", "0,25"}, {"0,25", ""},  {"", ""},
        {"Длина ", "шлейфа"},   {"W", "W"},   {"\xFF", "Д"}, {kUnmapped, "1"},
    };
    TCanvas c(1, 1);
    EXPECT_EQ(c.TextWidth(""), 0);
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.left) + "|" + k.right);
        EXPECT_EQ(c.TextWidth(std::string(k.left) + k.right),
                  c.TextWidth(k.left) + c.TextWidth(k.right));
    }
}

// The pen ends just right of the text on the text's row, for either brush and wherever
// the text lands; beyond the int range it stops at INT_MAX.
TEST(TextPen, PenPosFollowsTheText) {
    struct Case {
        const char* name;
        int x, y;
        const char* text;
    };
    const Case cases[] = {
        {"inside", 10, 10, "0,25"},
        {"empty text", 7, 3, ""},
        {"off the left", -500, 4, "1,0"},
        {"off the bottom", 4, 1000, "Длина шлейфа"},
        {"at INT_MIN", INT_MIN, INT_MIN, "0"},
    };
    for (const Case& k : cases)
        for (TBrushStyle brush : {TBrushStyle::bsSolid, TBrushStyle::bsClear}) {
            SCOPED_TRACE(k.name);
            TCanvas c(30, 20);
            c.PenPos = {-1, -1};
            Text(c, brush, k.x, k.y, k.text);
            EXPECT_EQ(c.PenPos, (TPoint{k.x + c.TextWidth(k.text), k.y}));
        }

    TCanvas c(30, 20);
    Text(c, TBrushStyle::bsSolid, INT_MAX - 3, 0, "0,25");
    EXPECT_EQ(c.PenPos, (TPoint{INT_MAX, 0}));
}

// A logged canvas records each text call as made, bytes and brush included, wherever the
// text lands.
TEST(TextPen, TextOutIsLoggedWithItsState) {
    TCanvas c(30, 20);
    std::vector<TCanvasCall> log;
    c.Log = &log;
    Text(c, TBrushStyle::bsSolid, 4, 5, "1,0");
    Text(c, TBrushStyle::bsClear, -900, 7, "\xD0");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].Op, TCanvasCall::TOp::TextOut);
    EXPECT_EQ((TPoint{log[0].X1, log[0].Y1}), (TPoint{4, 5}));
    EXPECT_EQ(log[0].Text, "1,0");
    EXPECT_EQ(log[0].Brush.Style, TBrushStyle::bsSolid);
    EXPECT_EQ(log[0].Brush.Color, kBox);
    EXPECT_EQ((TPoint{log[1].X1, log[1].Y1}), (TPoint{-900, 7}));
    EXPECT_EQ(log[1].Text, "\xD0");
    EXPECT_EQ(log[1].Brush.Style, TBrushStyle::bsClear);
}

// Text across any edge draws exactly the visible part of what a larger canvas would show;
// text wholly outside, however far, leaves the canvas alone.
TEST(TextClipping, EdgesAndFarOutside) {
    constexpr int W = 48, H = 16, M = 120;
    const char* text = "Zнн=1,00+j1,00"; // wider than the canvas
    struct Case {
        const char* name;
        int x, y;
    };
    const Case across[] = {
        {"left edge", -7, 2},   {"right edge", 40, 2},        {"top edge", 3, -6},
        {"bottom edge", 3, 10}, {"top-left corner", -20, -9}, {"bottom-right corner", 30, 12},
        {"both sides", -20, 1},
    };
    for (const Case& k : across)
        for (TBrushStyle brush : {TBrushStyle::bsSolid, TBrushStyle::bsClear}) {
            SCOPED_TRACE(k.name);
            TCanvas small = Patterned(W, H);
            Text(small, brush, k.x, k.y, text);
            TCanvas large = Patterned(W + 2 * M, H + 2 * M, -M, -M);
            Text(large, brush, k.x + M, k.y + M, text);
            ASSERT_NE(Pixels(small), Pixels(Patterned(W, H))) << "nothing visible";
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    ASSERT_EQ(small.Pixel(x, y), large.Pixel(x + M, y + M))
                        << "at " << x << "," << y;
        }

    const Case outside[] = {
        {"just left", -200, 2},
        {"just below", 0, H},
        {"just above", 0, -13},
        {"just right", W, 0},
        {"far left", -1000000, 5},
        {"INT_MIN x", INT_MIN, 0},
        {"INT_MAX x", INT_MAX, 0},
        {"INT_MIN y", 0, INT_MIN},
        {"INT_MAX y", 0, INT_MAX},
        {"both INT_MAX", INT_MAX - 10, INT_MAX - 10},
        {"both INT_MIN", INT_MIN, INT_MIN},
    };
    for (const Case& k : outside)
        for (TBrushStyle brush : {TBrushStyle::bsSolid, TBrushStyle::bsClear}) {
            SCOPED_TRACE(k.name);
            TCanvas c = Patterned(W, H);
            Text(c, brush, k.x, k.y, text);
            EXPECT_EQ(Pixels(c), Pixels(Patterned(W, H)));
        }
}

// Malformed UTF-8 never reads past the text and costs one U+FFFD per maximal invalid
// prefix, so what follows still decodes.
TEST(TextUtf8, MalformedBytesBecomeReplacementCharacters) {
    const std::string fffd = "\xEF\xBF\xBD";
    const std::string cyrillicDe = "\xD0\x94"; // Д
    struct Case {
        const char* name;
        std::string_view text;
        std::string same;
    };
    const Case cases[] = {
        {"lone continuation", "\x80", fffd},
        {"invalid byte",
         "a\xFF"
         "b",
         "a" + fffd + "b"},
        {"truncated two-byte at the end", "1\xD0", "1" + fffd},
        {"truncated three-byte", "\xE2\x82", fffd},
        {"truncated then ascii", "\xE2\x82x", fffd + "x"},
        {"overlong slash", "\xC0\xAF", fffd + fffd},
        {"overlong three-byte", "\xE0\x80\xAF", fffd + fffd + fffd},
        {"surrogate", "\xED\xA0\x80", fffd + fffd + fffd},
        {"above U+10FFFF", "\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},
        {"cut short by the view", std::string_view(cyrillicDe.data(), 1), fffd},
        {"valid after invalid", "\xC3(\xD0\x94", fffd + "(" + cyrillicDe},
    };
    TCanvas probe(1, 1);
    ASSERT_GT(probe.TextWidth(fffd), 0);
    TCanvas replaced = Patterned(60, 16);
    Text(replaced, TBrushStyle::bsClear, 2, 1, fffd);
    TCanvas letter = Patterned(60, 16);
    Text(letter, TBrushStyle::bsClear, 2, 1, cyrillicDe);
    ASSERT_NE(Pixels(replaced), Pixels(letter)) << "a read past the view would go unseen";
    for (const Case& k : cases)
        for (TBrushStyle brush : {TBrushStyle::bsSolid, TBrushStyle::bsClear}) {
            SCOPED_TRACE(k.name);
            TCanvas c = Patterned(60, 16);
            Text(c, brush, 2, 1, k.text);
            TCanvas same = Patterned(60, 16);
            Text(same, brush, 2, 1, k.same);
            EXPECT_EQ(c.TextWidth(k.text), c.TextWidth(k.same));
            EXPECT_EQ(Pixels(c), Pixels(same));
        }
}
