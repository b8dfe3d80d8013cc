#include "toolkit/win32/PictureWindow.h"

#include "toolkit/PointerReading.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/Wheel.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace tkwin {

namespace {

void Fill(HDC dc, const tk::TRect& box, tk::TColor colour) {
    const RECT r{box.Left, box.Top, box.Left + box.Width, box.Top + box.Height};
    SetBkColor(dc, RGB((colour >> 16) & 0xff, (colour >> 8) & 0xff, colour & 0xff));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

} // namespace

PictureWindow::PictureWindow(tk::TImage& image, tk::TApplication& application, HWND parent, int id)
    : image_(image), application_(application), readout_(parent) {
    Create(L"ZChartPicture", nullptr, WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP, 0, L"",
           RECT{0, 0, image.Canvas.Width(), image.Canvas.Height()}, parent,
           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void PictureWindow::Place(POINT at, tk::TSize shown, UINT dpi) {
    const tk::TSize canvas = CanvasSize();
    dpi_ = dpi;
    showing_ = tk::HowToShow(canvas, shown, double(dpi) / kDesignDpi);
    const tk::TSize device =
        showing_.Way == tk::TPictureShowing::TWay::Blocks
            ? tk::TSize{canvas.Width * showing_.Block, canvas.Height * showing_.Block}
            : showing_.Device;
    MoveWindow(Handle(), at.x, at.y, device.Width, device.Height, TRUE);
    // The pointer's readout comes back with its next move; the cross's goes with it.
    if (cross_.Shown())
        Read(AtCross());
    else
        StopReading();
}

void PictureWindow::CanvasChanged() {
    InvalidateRect(Handle(), nullptr, FALSE);
    if (reading_) Read(*reading_, true);
}

LRESULT PictureWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the canvas covers the whole window
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        readout_.SetFont(font_);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_MOUSEMOVE:
        if (dragging_)
            application_.Drag(image_, PixelAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        OnPointerMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONDOWN:
        if (!image_.OnPress) break;
        dragging_ =
            application_.Press(image_, PixelAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        if (dragging_) SetCapture(Handle());
        return 0;
    case WM_LBUTTONUP:
        if (!dragging_) break;
        dragging_ = false;
        ReleaseCapture(); // WM_CAPTURECHANGED comes with dragging_ already false
        application_.Release(image_, PixelAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        return 0;
    case WM_CAPTURECHANGED:
        // Another window took the pointer midway: the drag ends where it stood.
        if (dragging_) {
            dragging_ = false;
            application_.Release(image_, reading_ ? reading_->pixel : tk::TPoint{});
        }
        return 0;
    case WM_MOUSEWHEEL:
        if (PassWheel(Handle(), message, wParam, lParam)) return 0;
        if (!image_.OnWheel) break;
        if (const tk::TWheel wheel = WheelOf(wParam, wheel_); wheel.Notches != 0)
            application_.Wheel(image_, PixelAt(WheelPoint(Handle(), lParam)), wheel);
        return 0;
    case WM_MOUSELEAVE:
        OnPointerLeft();
        return 0;
    case WM_LBUTTONDBLCLK:
        application_.Pick(image_, PixelAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        return 0;
    case WM_GETDLGCODE: {
        // The arrows always; Enter and Esc too, which the dialog manager would otherwise
        // take for the default button and for closing.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const bool enterOrEsc = key && (key->message == WM_KEYDOWN || key->message == WM_CHAR) &&
                                (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE);
        return DLGC_WANTARROWS | (enterOrEsc ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
        if (OnKey(wParam)) return 0;
        break; // the menu's key among others
    case WM_SETFOCUS:
        FocusIn();
        return 0;
    case WM_KILLFOCUS:
        HideCross();
        return 0;
    }
    return Default(message, wParam, lParam);
}

void PictureWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    // Only the rows the paint covers are made.
    painter_.Paint(dc, image_.Picture(), showing_, ps.rcPaint.top, ps.rcPaint.bottom);
    if (cross_.Shown()) PaintCross(dc);
    EndPaint(Handle(), &ps);
}

RECT PictureWindow::CrossBox(tk::TPoint pixel) const {
    const tk::TRect reach =
        tk::CrossReach(tk::ShownBoxOf(pixel, ShownSize(), CanvasSize()), double(dpi_) / kDesignDpi);
    return {reach.Left, reach.Top, reach.Left + reach.Width, reach.Top + reach.Height};
}

void PictureWindow::PaintCross(HDC dc) const {
    const tk::TRect box = tk::ShownBoxOf(cross_.At(), ShownSize(), CanvasSize());
    for (const tk::TCrossPiece& piece : tk::CrossPieces(box, double(dpi_) / kDesignDpi))
        Fill(dc, piece.Box, piece.Color);
}

void PictureWindow::OnPointerMove(POINT at) {
    if (!tracking_) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, Handle(), 0};
        tracking_ = TrackMouseEvent(&leave) != FALSE;
    }
    Read({PixelAt(at), at});
}

void PictureWindow::OnPointerLeft() {
    tracking_ = false;
    // The readout goes back to the cross, where there is one.
    if (cross_.Shown())
        Read(AtCross());
    else
        StopReading();
}

bool PictureWindow::OnKey(WPARAM key) {
    tk::TCrossKey crossKey;
    switch (key) {
    case VK_LEFT:
        crossKey = tk::TCrossKey::Left;
        break;
    case VK_RIGHT:
        crossKey = tk::TCrossKey::Right;
        break;
    case VK_UP:
        crossKey = tk::TCrossKey::Up;
        break;
    case VK_DOWN:
        crossKey = tk::TCrossKey::Down;
        break;
    case VK_RETURN: // the keypad's too
        crossKey = tk::TCrossKey::Enter;
        break;
    case VK_ESCAPE:
        crossKey = tk::TCrossKey::Escape;
        break;
    default:
        return false;
    }
    const tk::TPoint was = cross_.At();
    const bool wasShown = cross_.Shown();
    switch (cross_.Key(crossKey, GetKeyState(VK_SHIFT) < 0, CanvasSize())) {
    case tk::TCrossAnswer::Ignored:
        return false;
    case tk::TCrossAnswer::Picked:
        application_.Pick(image_, cross_.At());
        return true;
    case tk::TCrossAnswer::Hidden:
        UpdateCross(was);
        StopReading();
        return true;
    case tk::TCrossAnswer::Moved:
        // Only the boxes of the cross before and after are painted again.
        if (wasShown) UpdateCross(was);
        UpdateCross(cross_.At());
        Read(AtCross());
        return true;
    }
    return false;
}

void PictureWindow::UpdateCross(tk::TPoint pixel) {
    const RECT box = CrossBox(pixel);
    InvalidateRect(Handle(), &box, FALSE);
}

void PictureWindow::FocusIn() {
    if (cross_.Shown()) UpdateCross(cross_.At());
    cross_.FocusIn(image_.ReadingStart, CanvasSize());
    UpdateCross(cross_.At());
    Read(AtCross());
}

void PictureWindow::HideCross() {
    if (!cross_.Shown()) return;
    UpdateCross(cross_.At());
    cross_.FocusOut();
    StopReading();
}

void PictureWindow::Read(Reading reading, bool again) {
    if (again || !reading_ || reading_->pixel != reading.pixel)
        SetReadout(ReadoutOf(reading.pixel));
    reading_ = reading;
    cross_.Read(reading.pixel);
    POINT at = reading.at;
    MapWindowPoints(Handle(), GetParent(Handle()), &at, 1);
    readout_.Show(readoutText_, {int(at.x), int(at.y)});
}

void PictureWindow::StopReading() {
    readout_.Hide();
    reading_.reset();
    SetReadout("");
}

std::string PictureWindow::ReadoutOf(tk::TPoint pixel) const {
    // The readout only reads; one that fails says nothing rather than end the program's
    // message loop.
    try {
        return image_.OnReadout ? image_.OnReadout(pixel) : std::string();
    } catch (...) {
        return {};
    }
}

void PictureWindow::SetReadout(std::string text) {
    if (text == readoutText_) return;
    readoutText_ = std::move(text);
    // What a screen reader announces: the window's text is its name to MSAA.
    SetWindowTextW(Handle(), ToUtf16(readoutText_).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, Handle(), OBJID_CLIENT, CHILDID_SELF);
}

PictureWindow::Reading PictureWindow::AtCross() const {
    const tk::TRect box = tk::ShownBoxOf(cross_.At(), ShownSize(), CanvasSize());
    return {cross_.At(), {box.Left + box.Width / 2, box.Top + box.Height / 2}};
}

tk::TPoint PictureWindow::PixelAt(POINT at) const {
    return tk::CanvasPixelAt(at.x, at.y, ShownSize(), CanvasSize());
}

tk::TSize PictureWindow::ShownSize() const {
    RECT r;
    GetClientRect(Handle(), &r);
    return {int(r.right), int(r.bottom)};
}

tk::TSize PictureWindow::CanvasSize() const {
    return {image_.Canvas.Width(), image_.Canvas.Height()};
}

} // namespace tkwin
