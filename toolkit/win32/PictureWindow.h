// An image control: a window of its own class that paints its canvas as tk::HowToShow
// says (CanvasPainter.h), at the size the window's fitting gives it. The canvas itself is
// only read.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/PictureShowing.h"
#include "toolkit/win32/CanvasPainter.h"
#include "toolkit/win32/Window.h"

namespace tkwin {

class PictureWindow : public Window {
  public:
    PictureWindow(tk::TImage& image, tk::TApplication& application, HWND parent, int id);

    // Shows the picture at `shown` device-independent pixels, its top-left corner at `at`
    // (device pixels), on a screen of `dpi`.
    void Place(POINT at, tk::TSize shown, UINT dpi);
    // After a handler, which may have drawn on the canvas: shows it anew.
    void CanvasChanged();

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint();

    tk::TImage& image_;
    tk::TApplication& application_;
    tk::TPictureShowing showing_;
    CanvasPainter painter_;
};

} // namespace tkwin
