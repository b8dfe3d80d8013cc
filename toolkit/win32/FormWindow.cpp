#include "toolkit/win32/FormWindow.h"
#include "toolkit/win32/Wheel.h"

#include "toolkit/TabOrder.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/WindowText.h"

#include <windowsx.h>

#include <algorithm>

namespace tkwin {

namespace {

// The window paints around its controls, never over them; a group box, which draws only
// its frame and caption, is transparent to that (ControlWindow.cpp), so that the window's
// face shows inside it.
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kFirstControlCommand = 100; // below are IDOK, IDCANCEL, ...

// The controls in the order their windows are made, which is the order Tab visits them:
// the tab stops in their sequence, then everything else as the form lists it. What comes
// first lies on top, so a label that runs on under a field stays under it.
std::vector<tk::TControl*> CreationOrder(const tk::TForm& form) {
    std::vector<tk::TControl*> order = tk::TabSequence(form);
    for (const auto& c : form.Controls())
        if (std::find(order.begin(), order.end(), c.get()) == order.end()) order.push_back(c.get());
    return order;
}

bool IsRadio(const tk::TControl* c) {
    return c && c->Kind == tk::TControlKind::RadioButton;
}

} // namespace

FormWindow::FormWindow(tk::TForm& form, tk::TApplication& application, const std::string& program,
                       HWND owner)
    : form_(form), application_(application), fit_(form), dpi_(DpiOf(owner)) {
    const SIZE outer = OuterSize({Scaled(form.ClientWidth, dpi_), Scaled(form.ClientHeight, dpi_)},
                                 kStyle, 0, dpi_);
    Create(L"ZChartForm", GetSysColorBrush(COLOR_BTNFACE), kStyle, WS_EX_CONTROLPARENT,
           ToUtf16(form.Caption).c_str(), RECT{0, 0, outer.cx, outer.cy}, owner, nullptr);
    // The window's own monitor may be denser than the system's.
    dpi_ = DpiOf(Handle());

    const ControlContext context{application, form, Handle(), refreshing_};
    const tk::TControl* previous = nullptr;
    for (tk::TControl* c : CreationOrder(form)) {
        const int id = kFirstControlCommand + int(controls_.size());
        controls_.push_back(Realise(*c, id, context));
        HWND hwnd = controls_.back()->Handle();
        LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        // A group's radio buttons follow each other; every other control starts a group of
        // its own, so the arrow keys move only among the radio buttons of one box.
        if (!(IsRadio(c) && IsRadio(previous) && previous->Parent == c->Parent)) style |= WS_GROUP;
        if (c->TabOrder >= 0 && c->Kind != tk::TControlKind::Label &&
            c->Kind != tk::TControlKind::Image && c->Kind != tk::TControlKind::GroupBox &&
            !IsRadio(c))
            style |= WS_TABSTOP;
        SetWindowLongPtrW(hwnd, GWL_STYLE, style);
        previous = c;
    }
    tips_ = std::make_unique<ToolTips>(Handle());
    actions_ = std::make_unique<PictureActions>(form, application, Handle(), program);
    UseFont();
    Layout();
    Refresh();
    for (const auto& c : controls_)
        if (c->Control().Visible) ShowWindow(c->Handle(), SW_SHOWNA);
}

FormWindow::~FormWindow() {
    Destroy();
    if (font_) DeleteObject(font_);
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY:
        if (ControlWindow* c = WindowOf(reinterpret_cast<const NMHDR*>(lParam)->hwndFrom))
            return c->Notified(*reinterpret_cast<const NMHDR*>(lParam));
        break;
    case WM_HSCROLL:
        if (ControlWindow* c = WindowOf(reinterpret_cast<HWND>(lParam))) {
            if (!refreshing_) c->Scrolled();
            return 0;
        }
        break;
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
        break;
    case WM_CONTEXTMENU:
        OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_VSCROLL:
        OnScroll(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        if (PassWheel(Handle(), message, wParam, lParam)) return 0;
        ScrollTo(scrolled_ - GET_WHEEL_DELTA_WPARAM(wParam) * 3 * 19 / WHEEL_DELTA);
        return 0;
    case WM_GETMINMAXINFO:
        OnMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_CLOSE:
        DestroyWindow(Handle());
        if (OnClosed) OnClosed();
        return 0;
    case WM_DESTROY:
        if (!OnClosed) PostQuitMessage(0);
        return 0;
    }
    return Default(message, wParam, lParam);
}

void FormWindow::OnCommand(WORD id, WORD code, HWND from) {
    if (actions_->Owns(id)) {
        actions_->Run(id, code == 1); // 1: from an accelerator
        return;
    }
    if (ControlWindow* control = WindowOf(from)) control->Notified(code);
}

void FormWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (ControlWindow* c = WindowOf(item.hwndItem)) c->Draw(item);
}

LRESULT FormWindow::OnControlColour(HDC dc, HWND control) {
    if (ControlWindow* c = WindowOf(control))
        if (HBRUSH brush = c->Colours(dc)) return reinterpret_cast<LRESULT>(brush);
    return Default(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(control));
}

bool FormWindow::OnSetCursor(HWND under) {
    const ControlWindow* c = WindowOf(under);
    if (!c || !tk::IsLink(c->Control())) return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

void FormWindow::OnContextMenu(HWND from, LPARAM at) {
    const ControlWindow* c = WindowOf(from);
    if (!c || c->Control().Kind != tk::TControlKind::Image) return;
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) { // from the keyboard: at the picture's corner
        point = {0, 0};
        ClientToScreen(from, &point);
    }
    actions_->ShowMenu(point);
}

void FormWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    UseFont();
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

void FormWindow::OnMinMaxInfo(MINMAXINFO& info) const {
    // Every control whole and the picture at least half its size, as far as the screen
    // allows: below that height the window scrolls.
    const tk::TSize minimum = fit_.Minimum();
    const SIZE outer = OuterSize({Scaled(minimum.Width, dpi_), Scaled(minimum.Height, dpi_)},
                                 DWORD(GetWindowLongPtrW(Handle(), GWL_STYLE)),
                                 DWORD(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), dpi_);
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    info.ptMinTrackSize = {std::min<LONG>(outer.cx, monitor.rcWork.right - monitor.rcWork.left),
                           std::min<LONG>(outer.cy, monitor.rcWork.bottom - monitor.rcWork.top)};
}

void FormWindow::OnScroll(WORD request) {
    SCROLLINFO bar{sizeof bar, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Handle(), SB_VERT, &bar);
    constexpr int kLine = 19; // a row of the column, in device-independent pixels
    int to = scrolled_;
    switch (request) {
    case SB_LINEUP:
        to -= kLine;
        break;
    case SB_LINEDOWN:
        to += kLine;
        break;
    case SB_PAGEUP:
        to -= int(bar.nPage);
        break;
    case SB_PAGEDOWN:
        to += int(bar.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        to = bar.nTrackPos;
        break;
    case SB_TOP:
        to = 0;
        break;
    case SB_BOTTOM:
        to = bar.nMax;
        break;
    }
    ScrollTo(to);
}

void FormWindow::ScrollTo(int to) {
    if (to == scrolled_) return;
    scrolled_ = to;
    Layout();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void FormWindow::OnActivate(bool active) {
    // The focus comes back to the control that had it when the window was left.
    if (!active) {
        lastFocus_ = GetFocus();
        return;
    }
    HWND focus = lastFocus_ && IsChild(Handle(), lastFocus_) ? lastFocus_ : FirstTabStop();
    if (focus) SetFocus(focus);
}

void FormWindow::UseFont() {
    const tk::TFont designed;
    HFONT font =
        CreateFontW(-MulDiv(designed.Size, int(dpi_), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, ToUtf16(designed.Name).c_str());
    for (const auto& c : controls_)
        SendMessageW(c->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (font_) DeleteObject(font_);
    font_ = font;
    // Hints break only where they say; a screen's width is room enough for any line.
    tips_->SetMaxWidth(GetSystemMetrics(SM_CXSCREEN));
}

tk::TRect FormWindow::PlaceOf(const tk::TControl& control, tk::TSize client) const {
    if (!control.Parent) return fit_.Place(control, client);
    const tk::TRect parent = PlaceOf(*control.Parent, client);
    return {parent.Left + control.Left, parent.Top + control.Top, control.Width, control.Height};
}

void FormWindow::Layout() {
    RECT r;
    GetClientRect(Handle(), &r);
    // A minimised window has no client area; its controls stay where they were.
    if (r.right <= 0 || r.bottom <= 0) return;
    const tk::TSize client{int(r.right * kDesignDpi / dpi_), int(r.bottom * kDesignDpi / dpi_)};
    // Lower than the minimum, the form keeps the minimum's height and scrolls through it.
    const tk::TSize laidOut{client.Width, std::max(client.Height, fit_.Minimum().Height)};
    scrolled_ = std::clamp(scrolled_, 0, laidOut.Height - client.Height);
    SCROLLINFO bar{sizeof bar,
                   SIF_RANGE | SIF_PAGE | SIF_POS,
                   0,
                   laidOut.Height - 1,
                   UINT(client.Height),
                   scrolled_,
                   0};
    SetScrollInfo(Handle(), SB_VERT, &bar, TRUE);
    for (const auto& c : controls_) {
        tk::TRect place = PlaceOf(c->Control(), laidOut);
        place.Top -= scrolled_;
        c->Place(place, dpi_);
    }
}

void FormWindow::Refresh() {
    // Setting a window's text or check sends the same notifications as the user's doing;
    // they are not events and must not run handlers or re-enter Dispatch.
    refreshing_ = true;
    if (WindowText(Handle()) != form_.Caption)
        SetWindowTextW(Handle(), ToUtf16(form_.Caption).c_str());
    for (const auto& c : controls_) {
        c->Refresh();
        const bool shown = GetWindowLongPtrW(c->Handle(), GWL_STYLE) & WS_VISIBLE;
        if (shown != c->Control().Visible && IsWindowVisible(Handle()))
            ShowWindow(c->Handle(), c->Control().Visible ? SW_SHOWNA : SW_HIDE);
        tips_->Set(c->Handle(), c->ToolTip());
    }
    refreshing_ = false;
}

HWND FormWindow::HandleOf(const tk::TControl& control) const {
    for (const auto& c : controls_)
        if (&c->Control() == &control) return c->Handle();
    return nullptr;
}

HWND FormWindow::FirstTabStop() const {
    for (const auto& c : controls_)
        if (GetWindowLongPtrW(c->Handle(), GWL_STYLE) & WS_TABSTOP) return c->Handle();
    return nullptr;
}

ControlWindow* FormWindow::WindowOf(HWND hwnd) const {
    if (!hwnd) return nullptr;
    for (const auto& c : controls_)
        if (c->Handle() == hwnd) return c.get();
    return nullptr;
}

} // namespace tkwin
