// An image control: a window of its own class that paints its canvas, one canvas pixel to
// one device pixel at the designed size on a 96-dpi screen. On a screen of a whole number
// of device pixels to the pixel (192 dpi: 2) each canvas pixel becomes a block of them;
// everywhere else (125 %, 150 %, 175 %, or shrunk to fit a small window) the picture is
// scaled by area, so that a one-pixel line of the chart keeps one weight wherever it lies.
// Either way the canvas itself is only read.
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/win32/Window.h"

namespace tkwin {

class PictureWindow : public Window {
  public:
    PictureWindow(const tk::TCanvas& canvas, HWND parent, int id);

    // After a handler, which may have drawn on the canvas: shows it anew.
    void CanvasChanged();

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint();

    const tk::TCanvas& canvas_;
};

// The header of a 32-bit top-down device-independent bitmap of the canvas's size: its
// 0x00RRGGBB words are such a bitmap's pixels as they are.
BITMAPINFO CanvasBitmapInfo(const tk::TCanvas& canvas);

// Paints the canvas into `dc`'s box `target`, by the rules above.
void PaintCanvas(HDC dc, const RECT& target, const tk::TCanvas& canvas);

} // namespace tkwin
