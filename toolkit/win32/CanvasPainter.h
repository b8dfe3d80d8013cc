// The canvas painted into a device context as tk::HowToShow says: the bitmap as it is at
// one device pixel to the pixel, stretched without blending into blocks at a whole factor,
// and otherwise scaled by area (tk::SmoothPicture) a band of rows at a time, so that
// nothing larger than one band is ever made.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/PictureShowing.h"
#include "toolkit/SmoothPicture.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace tkwin {

class CanvasPainter {
  public:
    // Device rows `top` to `bottom - 1` of the picture, its top-left corner at (0, 0).
    void Paint(HDC dc, const tk::TCanvas& canvas, const tk::TPictureShowing& showing, int top,
               int bottom);

  private:
    void PaintSmooth(HDC dc, const tk::TCanvas& canvas, tk::TSize device, int top, int bottom);

    // The weights for the last scaled size, kept while the size stays, and one band.
    std::optional<tk::SmoothPicture> smooth_;
    std::vector<std::uint32_t> band_;
};

// The header of a 32-bit top-down device-independent bitmap `width` × `height`: the
// canvas's 0x00RRGGBB words are such a bitmap's pixels as they are.
BITMAPINFO TopDownBitmap(int width, int height);

} // namespace tkwin
