// A value with a slider (toolkit/SliderValue.h) as Windows' track bar with a static text
// beside it: the track bar two thirds of the control's place, the text the rest. The text
// goes with the track bar: its font, and whether it shows.
#include "toolkit/win32/ControlWindow.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/WindowText.h"

#include <commctrl.h>

#include <optional>

namespace tkwin {
namespace {

std::optional<tk::TSliderKey> SliderKeyOf(WPARAM key) {
    switch (key) {
    case VK_LEFT:
        return tk::TSliderKey::Left;
    case VK_RIGHT:
        return tk::TSliderKey::Right;
    case VK_UP:
        return tk::TSliderKey::Up;
    case VK_DOWN:
        return tk::TSliderKey::Down;
    case VK_PRIOR:
        return tk::TSliderKey::PageUp;
    case VK_NEXT:
        return tk::TSliderKey::PageDown;
    case VK_HOME:
        return tk::TSliderKey::Home;
    case VK_END:
        return tk::TSliderKey::End;
    default:
        return std::nullopt;
    }
}

class SliderValueWindow final : public ControlWindow {
  public:
    SliderValueWindow(tk::TSliderValue& slider, int id, const ControlContext& context)
        : slider_(slider), context_(context) {
        hwnd_ =
            MakeWindow(TRACKBAR_CLASSW, "", TBS_HORZ | TBS_NOTICKS, 0, slider, id, context.parent);
        text_ = MakeWindow(L"STATIC", slider.Caption, SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE, 0,
                           slider, 0, context.parent);
        SetWindowSubclass(hwnd_, &SliderValueWindow::Track, 0, reinterpret_cast<DWORD_PTR>(this));
    }

    ~SliderValueWindow() override { RemoveWindowSubclass(hwnd_, &SliderValueWindow::Track, 0); }

    const tk::TControl& Control() const override { return slider_; }

    // A drag, or a click on the track; the keys never come here (Track).
    void Scrolled() override {
        context_.application.Slide(slider_, int(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)));
    }

    void Refresh() override {
        if (SendMessageW(hwnd_, TBM_GETRANGEMIN, 0, 0) != slider_.Min())
            SendMessageW(hwnd_, TBM_SETRANGEMIN, TRUE, slider_.Min());
        if (SendMessageW(hwnd_, TBM_GETRANGEMAX, 0, 0) != slider_.Max())
            SendMessageW(hwnd_, TBM_SETRANGEMAX, TRUE, slider_.Max());
        SendMessageW(hwnd_, TBM_SETLINESIZE, 0, slider_.SmallStep);
        SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, slider_.LargeStep);
        if (SendMessageW(hwnd_, TBM_GETPOS, 0, 0) != slider_.Position())
            SendMessageW(hwnd_, TBM_SETPOS, TRUE, slider_.Position());
        if (WindowText(text_) != slider_.Caption)
            SetWindowTextW(text_, ToUtf16(slider_.Caption).c_str());
    }

    void Place(const tk::TRect& place, UINT dpi) override {
        const int track = place.Width * 2 / 3;
        ControlWindow::Place({place.Left, place.Top, track, place.Height}, dpi);
        const int left = Scaled(place.Left + track + 4, dpi), top = Scaled(place.Top, dpi);
        MoveWindow(text_, left, top, Scaled(place.Left + place.Width, dpi) - left,
                   Scaled(place.Top + place.Height, dpi) - top, TRUE);
    }

  private:
    // The moving keys go by the toolkit's rule, as in every binding: the track bar's own
    // would take Up and PageUp down. The text takes the track bar's font, and shows and
    // hides with it.
    static LRESULT CALLBACK Track(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR self) {
        auto& window = *reinterpret_cast<SliderValueWindow*>(self);
        if (message == WM_KEYDOWN && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0)
            if (const std::optional<tk::TSliderKey> key = SliderKeyOf(wParam)) {
                window.context_.application.Key(window.slider_, *key);
                return 0;
            }
        if (message == WM_SETFONT) SendMessageW(window.text_, WM_SETFONT, wParam, lParam);
        if (message == WM_SHOWWINDOW) ShowWindow(window.text_, wParam ? SW_SHOWNA : SW_HIDE);
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }

    tk::TSliderValue& slider_;
    ControlContext context_;
    HWND text_ = nullptr; // a child of the main window, destroyed with it
};

} // namespace

std::unique_ptr<ControlWindow> RealiseSliderValue(tk::TSliderValue& slider, int id,
                                                  const ControlContext& context) {
    return std::make_unique<SliderValueWindow>(slider, id, context);
}

} // namespace tkwin
