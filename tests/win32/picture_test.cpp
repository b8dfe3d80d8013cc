// The picture as the Win32 binding paints it: pixel for pixel at its size, in whole blocks
// at whole factors; and on paper, fitted and centred.
#include "toolkit/win32/PictureWindow.h"
#include "toolkit/win32/Printing.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// A memory device context over a 32-bit top-down bitmap, as a screen paints into.
class Surface {
  public:
    Surface(int width, int height) : width_(width) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                                   nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Surface() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    std::uint32_t At(int x, int y) const {
        GdiFlush();
        return bits_[std::size_t(y) * width_ + x] & 0xFFFFFF;
    }

  private:
    int width_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    std::uint32_t* bits_ = nullptr;
};

// A canvas of distinct pixels: no two neighbours alike, so a shifted or blended copy shows.
tk::TCanvas Pattern(int width, int height) {
    tk::TCanvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.Bits()[y * width + x] =
                std::uint32_t(x * 7) << 16 | std::uint32_t(y * 5) << 8 | std::uint32_t(x ^ y);
    return canvas;
}

TEST(PaintCanvas, OnePixelEachAtItsSizeAndBlocksAtWholeFactors) {
    const tk::TCanvas canvas = Pattern(31, 17);
    for (int factor : {1, 2, 3}) {
        SCOPED_TRACE(factor);
        Surface surface(31 * factor + 4, 17 * factor + 4);
        tkwin::PaintCanvas(surface.Dc(), RECT{2, 2, 2 + 31 * factor, 2 + 17 * factor}, canvas);
        int differing = 0;
        for (int y = 0; y < 17 * factor; ++y)
            for (int x = 0; x < 31 * factor; ++x)
                differing +=
                    surface.At(2 + x, 2 + y) != canvas.Bits()[(y / factor) * 31 + x / factor];
        EXPECT_EQ(differing, 0);
    }
}

// The printable area's largest box of the picture's aspect, centred; a page of nothing
// prints nothing.
TEST(FittedOnPage, LargestOfTheAspectCentred) {
    const tk::TCanvas canvas(807, 689);
    struct Row {
        SIZE page;
        RECT place;
    };
    const Row rows[] = {
        {{4760, 6814}, {0, 1375, 4760, 1375 + 4063}}, // A4 portrait at 600 dpi: full width
        {{6814, 4760}, {619, 0, 619 + 5575, 4760}},   // landscape: full height
        {{807, 689}, {0, 0, 807, 689}},
        {{0, 100}, {0, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        const RECT got = tkwin::FittedOnPage(r.page, canvas);
        EXPECT_EQ(got.left, r.place.left);
        EXPECT_EQ(got.top, r.place.top);
        EXPECT_EQ(got.right, r.place.right);
        EXPECT_EQ(got.bottom, r.place.bottom);
    }
}

} // namespace
