#include "toolkit/win32/ScaledPicture.h"

#include "toolkit/win32/PictureWindow.h"

namespace tkwin {

void PaintScaled(HDC dc, const RECT& target, const tk::TCanvas& canvas) {
    const BITMAPINFO info = CanvasBitmapInfo(canvas);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, target.left, target.top, target.right - target.left,
                  target.bottom - target.top, 0, 0, canvas.Width(), canvas.Height(), canvas.Bits(),
                  &info, DIB_RGB_COLORS, SRCCOPY);
}

} // namespace tkwin
