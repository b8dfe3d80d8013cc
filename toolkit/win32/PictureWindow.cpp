#include "toolkit/win32/PictureWindow.h"

#include "toolkit/PointerReading.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/Utf16.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace tkwin {

namespace {

// The reading cross, in device-independent pixels: four bars pointing at the pixel, clear
// of it by kCrossGap, each kCrossArm long and wider than the pixel by kCrossSide on each
// side, orange, which reads on the chart's black lines, edged in black, which reads on its
// white.
constexpr int kCrossGap = 3;
constexpr int kCrossArm = 6;
constexpr int kCrossSide = 1;
constexpr int kCrossEdge = 1;
constexpr COLORREF kCrossCore = RGB(255, 128, 0);
constexpr COLORREF kCrossEdgeColour = RGB(0, 0, 0);

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT r{left, top, right, bottom};
    SetBkColor(dc, colour);
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
    if (cross_)
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
        OnPointerMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
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
        ShowCross(cross_.value_or(lastRead_.value_or(image_.ReadingStart)));
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
    if (cross_) PaintCross(dc);
    EndPaint(Handle(), &ps);
}

RECT PictureWindow::CrossBox(tk::TPoint pixel) const {
    const tk::TRect box = tk::ShownBoxOf(pixel, ShownSize(), CanvasSize());
    const int reach = Scaled(kCrossGap + kCrossArm + kCrossEdge, dpi_);
    return {box.Left - reach, box.Top - reach, box.Left + box.Width + reach,
            box.Top + box.Height + reach};
}

void PictureWindow::PaintCross(HDC dc) const {
    const tk::TRect box = tk::ShownBoxOf(*cross_, ShownSize(), CanvasSize());
    const int left = box.Left, top = box.Top;
    const int right = box.Left + box.Width, bottom = box.Top + box.Height;
    const int gap = Scaled(kCrossGap, dpi_), arm = Scaled(kCrossArm, dpi_);
    const int side = Scaled(kCrossSide, dpi_), edge = std::max(1, Scaled(kCrossEdge, dpi_));
    // The bars grown by the edge in its colour, then the bars themselves over them.
    for (const int grow : {edge, 0}) {
        const COLORREF colour = grow ? kCrossEdgeColour : kCrossCore;
        const int across = side + grow;
        Fill(dc, left - gap - arm - grow, top - across, left - gap + grow, bottom + across, colour);
        Fill(dc, right + gap - grow, top - across, right + gap + arm + grow, bottom + across,
             colour);
        Fill(dc, left - across, top - gap - arm - grow, right + across, top - gap + grow, colour);
        Fill(dc, left - across, bottom + gap - grow, right + across, bottom + gap + arm + grow,
             colour);
    }
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
    if (cross_)
        Read(AtCross());
    else
        StopReading();
}

bool PictureWindow::OnKey(WPARAM key) {
    const int step = GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
    int dx = 0, dy = 0;
    switch (key) {
    case VK_LEFT:
        dx = -step;
        break;
    case VK_RIGHT:
        dx = step;
        break;
    case VK_UP:
        dy = -step;
        break;
    case VK_DOWN:
        dy = step;
        break;
    case VK_RETURN:
        if (cross_) application_.Pick(image_, *cross_);
        return true;
    case VK_ESCAPE:
        HideCross();
        return true;
    default:
        return false;
    }
    // After Esc, the first arrow brings the cross back where it was.
    const tk::TPoint from = cross_.value_or(lastRead_.value_or(image_.ReadingStart));
    const tk::TSize canvas = CanvasSize();
    ShowCross({std::clamp(from.X + (cross_ ? dx : 0), 0, canvas.Width - 1),
               std::clamp(from.Y + (cross_ ? dy : 0), 0, canvas.Height - 1)});
    return true;
}

void PictureWindow::ShowCross(tk::TPoint pixel) {
    // Only the boxes of the cross before and after are painted again.
    if (cross_) {
        const RECT old = CrossBox(*cross_);
        InvalidateRect(Handle(), &old, FALSE);
    }
    cross_ = pixel;
    const RECT now = CrossBox(pixel);
    InvalidateRect(Handle(), &now, FALSE);
    Read(AtCross());
}

void PictureWindow::HideCross() {
    if (!cross_) return;
    const RECT old = CrossBox(*cross_);
    InvalidateRect(Handle(), &old, FALSE);
    cross_.reset();
    StopReading();
}

void PictureWindow::Read(Reading reading, bool again) {
    if (again || !reading_ || reading_->pixel != reading.pixel)
        SetReadout(ReadoutOf(reading.pixel));
    reading_ = reading;
    lastRead_ = reading.pixel;
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
    const tk::TRect box = tk::ShownBoxOf(*cross_, ShownSize(), CanvasSize());
    return {*cross_, {box.Left + box.Width / 2, box.Top + box.Height / 2}};
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
