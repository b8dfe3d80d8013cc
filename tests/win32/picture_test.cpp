// The picture as the Win32 binding paints it: in whole blocks at whole factors, by area
// everywhere else; and on paper, fitted and centred.
#include "toolkit/win32/CanvasPainter.h"
#include "toolkit/win32/Printing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

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

// At the designed size on a screen of a whole number of device pixels to the pixel, each
// canvas pixel is a block of them, never blended.
TEST(CanvasPainter, BlocksAtWholeFactors) {
    const tk::TCanvas canvas = Pattern(31, 17);
    for (int factor : {1, 2, 3}) {
        SCOPED_TRACE(factor);
        const tk::TPictureShowing showing = tk::HowToShow({31, 17}, {31, 17}, factor);
        Surface surface(31 * factor, 17 * factor);
        tkwin::CanvasPainter().Paint(surface.Dc(), canvas, showing, 0, 17 * factor);
        int differing = 0;
        for (int y = 0; y < 17 * factor; ++y)
            for (int x = 0; x < 31 * factor; ++x)
                differing += surface.At(x, y) != canvas.Bits()[(y / factor) * 31 + x / factor];
        EXPECT_EQ(differing, 0);
    }
}

// Everywhere else the picture on screen is the box filter's, band after band: at 150 %,
// and shrunk into a smaller window.
TEST(CanvasPainter, SmoothAtFractionsAndWhenShrunk) {
    const tk::TCanvas canvas = Pattern(40, 30);
    struct Row {
        tk::TSize shown;
        double ratio;
    };
    for (const Row& r : {Row{{40, 30}, 1.5}, Row{{20, 15}, 1.0}, Row{{30, 22}, 1.25}}) {
        const tk::TPictureShowing showing = tk::HowToShow({40, 30}, r.shown, r.ratio);
        ASSERT_EQ(showing.Way, tk::TPictureShowing::TWay::Smooth);
        const tk::TSize device = showing.Device;
        SCOPED_TRACE(std::to_string(device.Width) + " x " + std::to_string(device.Height));
        std::vector<std::uint32_t> expected(std::size_t(device.Width) * device.Height);
        tk::SmoothPicture({40, 30}, device)
            .Rows(tk::PixelRowsOf(canvas), 0, {expected.data(), device, device.Width});
        Surface surface(device.Width, device.Height);
        tkwin::CanvasPainter().Paint(surface.Dc(), canvas, showing, 0, device.Height);
        int differing = 0;
        for (int y = 0; y < device.Height; ++y)
            for (int x = 0; x < device.Width; ++x)
                differing +=
                    surface.At(x, y) != (expected[std::size_t(y) * device.Width + x] & 0xFFFFFF);
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
