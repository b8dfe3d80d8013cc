// An image control: a window of its own class that paints its canvas as tk::HowToShow
// says (CanvasPainter.h), at the size the window's fitting gives it, and reads it. The
// canvas itself is only read.
//
// Reading: the pointer over the picture shows the image's readout for the canvas pixel
// under it beside the pointer (ReadoutWindow.h), a double-click takes that pixel (OnPick).
// The picture is the last stop of Tab; with the focus, a reading cross over a pixel moves
// with the arrow keys (with Shift ten pixels), the readout beside it, Enter takes its
// pixel and Esc puts it away. The readout's text is also the window's text, which is what
// a screen reader announces.
//
// The wheel over the picture, and a drag with the left button that the image takes
// (TImage::OnPress, the pointer captured until the release), go to the image's handlers.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/PictureShowing.h"
#include "toolkit/ReadingCross.h"
#include "toolkit/WheelNotches.h"
#include "toolkit/win32/CanvasPainter.h"
#include "toolkit/win32/ReadoutWindow.h"
#include "toolkit/win32/Window.h"

#include <optional>
#include <string>

namespace tkwin {

class PictureWindow : public Window {
  public:
    PictureWindow(tk::TImage& image, tk::TApplication& application, HWND parent, int id);

    // Shows the picture at `shown` device-independent pixels, its top-left corner at `at`
    // (device pixels), on a screen of `dpi`.
    void Place(POINT at, tk::TSize shown, UINT dpi);
    // After a handler, which may have drawn on the canvas: shows it anew, and what the
    // readout says of the pixel read now.
    void CanvasChanged();

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // A canvas pixel being read, and the point of the window the readout stands beside.
    struct Reading {
        tk::TPoint pixel;
        POINT at;
    };

    void Paint();
    // The box of the window, in device pixels, that the reading cross over `pixel` covers.
    RECT CrossBox(tk::TPoint pixel) const;
    void PaintCross(HDC dc) const;
    void OnPointerMove(POINT at);
    void OnPointerLeft();
    // The reading cross's keys; false for any other.
    bool OnKey(WPARAM key);
    // Repaints the box the cross covers over `pixel`.
    void UpdateCross(tk::TPoint pixel);
    void FocusIn();
    void HideCross();
    // Shows what the image says of the pixel beside the point; `again`: asks the image
    // anew even when the pixel is the one read last, since the picture has changed.
    void Read(Reading reading, bool again = false);
    void StopReading();
    std::string ReadoutOf(tk::TPoint pixel) const;
    // The readout's text, and the window's, which assistive technology hears of.
    void SetReadout(std::string text);
    Reading AtCross() const;
    tk::TPoint PixelAt(POINT at) const;
    tk::TSize ShownSize() const;
    tk::TSize CanvasSize() const;

    tk::TImage& image_;
    tk::TApplication& application_;
    ReadoutWindow readout_;
    tk::TPictureShowing showing_;
    CanvasPainter painter_;
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    bool tracking_ = false;          // the pointer's leaving is reported
    std::optional<Reading> reading_; // what the readout shows
    std::string readoutText_;        // and its text
    tk::TReadingCross cross_;
    bool dragging_ = false; // the image took the press, until the release
    tk::TWheelNotches wheel_;
};

} // namespace tkwin
