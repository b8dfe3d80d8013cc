#include "toolkit/win32/PictureWindow.h"

#include "toolkit/win32/Dpi.h"

namespace tkwin {

PictureWindow::PictureWindow(tk::TImage& image, tk::TApplication& application, HWND parent, int id)
    : image_(image), application_(application) {
    Create(L"ZChartPicture", nullptr, WS_CHILD | WS_CLIPSIBLINGS, 0, L"",
           RECT{0, 0, image.Canvas.Width(), image.Canvas.Height()}, parent,
           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void PictureWindow::Place(POINT at, tk::TSize shown, UINT dpi) {
    const tk::TSize canvas{image_.Canvas.Width(), image_.Canvas.Height()};
    showing_ = tk::HowToShow(canvas, shown, double(dpi) / kDesignDpi);
    const tk::TSize device =
        showing_.Way == tk::TPictureShowing::TWay::Blocks
            ? tk::TSize{canvas.Width * showing_.Block, canvas.Height * showing_.Block}
            : showing_.Device;
    MoveWindow(Handle(), at.x, at.y, device.Width, device.Height, TRUE);
}

void PictureWindow::CanvasChanged() {
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT PictureWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the canvas covers the whole window
    }
    return Default(message, wParam, lParam);
}

void PictureWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    // Only the rows the paint covers are made.
    painter_.Paint(dc, image_.Picture(), showing_, ps.rcPaint.top, ps.rcPaint.bottom);
    EndPaint(Handle(), &ps);
}

} // namespace tkwin
