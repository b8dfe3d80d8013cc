#include "toolkit/win32/ReadoutWindow.h"

#include "toolkit/PointerReading.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/Utf16.h"

namespace tkwin {

namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_NOCLIP;

// The font selected into a device context for as long as this lives.
class Selected {
  public:
    Selected(HDC dc, HFONT font) : dc_(dc), old_(font ? SelectObject(dc, font) : nullptr) {}
    ~Selected() {
        if (old_) SelectObject(dc_, old_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace

ReadoutWindow::ReadoutWindow(HWND parent) {
    Create(L"ZChartReadout", nullptr, WS_CHILD | WS_CLIPSIBLINGS, 0, L"", RECT{0, 0, 1, 1}, parent,
           nullptr);
}

void ReadoutWindow::Show(const std::string& text, tk::TPoint at) {
    if (text.empty()) {
        Hide();
        return;
    }
    std::wstring wide = ToUtf16(text);
    const bool changed = wide != text_;
    text_ = std::move(wide);
    const SIZE box = Measure();
    RECT area;
    GetClientRect(GetParent(Handle()), &area);
    const tk::TPoint place =
        tk::PlaceReadout(at, {int(box.cx), int(box.cy)}, {0, 0, int(area.right), int(area.bottom)});
    // Above every sibling, the picture included, and only repainted where its text changed.
    SetWindowPos(Handle(), HWND_TOP, place.X, place.Y, box.cx, box.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (changed) InvalidateRect(Handle(), nullptr, FALSE);
}

void ReadoutWindow::Hide() {
    if (IsWindowVisible(Handle())) ShowWindow(Handle(), SW_HIDE);
}

LRESULT ReadoutWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT; // the pointer reads what lies below
    case WM_ERASEBKGND:
        return 1; // Paint fills the whole box
    case WM_PAINT:
        Paint();
        return 0;
    }
    return Default(message, wParam, lParam);
}

int ReadoutWindow::Margin() const {
    return Scaled(3, DpiOf(Handle()));
}

SIZE ReadoutWindow::Measure() const {
    HDC dc = GetDC(Handle());
    RECT text{0, 0, 0, 0};
    {
        const Selected font(dc, font_);
        DrawTextW(dc, text_.c_str(), int(text_.size()), &text, kTextFormat | DT_CALCRECT);
    }
    ReleaseDC(Handle(), dc);
    const int around = 2 * (1 + Margin()); // the border and the margin on both sides
    return {text.right + around, text.bottom + around};
}

void ReadoutWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT box;
    GetClientRect(Handle(), &box);
    FillRect(dc, &box, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(dc, &box, GetSysColorBrush(COLOR_INFOTEXT));
    const int inset = 1 + Margin();
    InflateRect(&box, -inset, -inset);
    const Selected font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    DrawTextW(dc, text_.c_str(), int(text_.size()), &box, kTextFormat);
    EndPaint(Handle(), &ps);
}

} // namespace tkwin
