#include "toolkit/win32/CanvasPainter.h"

#include <algorithm>

namespace tkwin {

namespace {

// Device rows made at a time: small enough to stay in the cache, large enough that the
// copy to the screen for each band does not count.
constexpr int kBandRows = 32;

} // namespace

BITMAPINFO TopDownBitmap(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void CanvasPainter::Paint(HDC dc, const tk::TCanvas& canvas, const tk::TPictureShowing& showing,
                          int top, int bottom) {
    const int w = canvas.Width(), h = canvas.Height();
    if (w <= 0 || h <= 0) return;
    if (showing.Way == tk::TPictureShowing::TWay::Smooth) {
        PaintSmooth(dc, canvas, showing.Device, top, bottom);
        return;
    }
    const BITMAPINFO info = TopDownBitmap(w, h);
    if (showing.Block == 1) {
        SetDIBitsToDevice(dc, 0, 0, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), canvas.Bits(), &info,
                          DIB_RGB_COLORS);
        return;
    }
    // Each canvas pixel repeated, never blended.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, w * showing.Block, h * showing.Block, 0, 0, w, h, canvas.Bits(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
}

void CanvasPainter::PaintSmooth(HDC dc, const tk::TCanvas& canvas, tk::TSize device, int top,
                                int bottom) {
    if (device.Empty()) return;
    const tk::TConstPixelRows source = tk::PixelRowsOf(canvas);
    if (!smooth_ || smooth_->Target() != device || smooth_->Source() != source.Size)
        smooth_.emplace(source.Size, device);
    band_.resize(std::size_t(device.Width) * kBandRows);
    for (int y = std::max(0, top); y < std::min(bottom, device.Height); y += kBandRows) {
        smooth_->Rows(source, y, {band_.data(), {device.Width, kBandRows}, device.Width});
        const int rows = std::min(kBandRows, device.Height - y);
        // The band's first `rows` rows, as a bitmap of their own.
        const BITMAPINFO info = TopDownBitmap(device.Width, rows);
        SetDIBitsToDevice(dc, 0, y, DWORD(device.Width), DWORD(rows), 0, 0, 0, UINT(rows),
                          band_.data(), &info, DIB_RGB_COLORS);
    }
}

} // namespace tkwin
