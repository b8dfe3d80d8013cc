// The readout beside the point read on the picture: a small box of plain text, one value to
// a line, in the window's font on the system's tooltip colours with a thin border. A child
// of the main window, above every other, kept inside its client area; the pointer passes
// through it to whatever lies below.
//
//     readout.Show("z = 1,00 + j1,00\ny = 0,50 − j0,50", {520, 310});   beside the point
//     readout.Show("", {520, 310});                                        hidden
#pragma once

#include "toolkit/Canvas.h"
#include "toolkit/win32/Window.h"

#include <string>

namespace tkwin {

class ReadoutWindow : public Window {
  public:
    explicit ReadoutWindow(HWND parent);

    // Shows `text` (UTF-8, lines broken by '\n') beside `at`, a point of the parent's client
    // area in device pixels, as tk::PlaceReadout places it; empty text hides the box.
    void Show(const std::string& text, tk::TPoint at);
    void Hide();
    // The font of the window's controls, in which the text is set.
    void SetFont(HFONT font) { font_ = font; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // The box's size for the text, border and margins included, in device pixels.
    SIZE Measure() const;
    // The margin between the border and the text, in device pixels.
    int Margin() const;
    void Paint();

    std::wstring text_;
    HFONT font_ = nullptr;
};

} // namespace tkwin
