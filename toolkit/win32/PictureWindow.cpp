#include "toolkit/win32/PictureWindow.h"

#include "toolkit/win32/ScaledPicture.h"

namespace tkwin {

BITMAPINFO CanvasBitmapInfo(const tk::TCanvas& canvas) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = canvas.Width();
    info.bmiHeader.biHeight = -canvas.Height(); // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void PaintCanvas(HDC dc, const RECT& target, const tk::TCanvas& canvas) {
    const int w = target.right - target.left, h = target.bottom - target.top;
    const int cw = canvas.Width(), ch = canvas.Height();
    if (w <= 0 || h <= 0 || cw <= 0 || ch <= 0) return;
    const BITMAPINFO info = CanvasBitmapInfo(canvas);
    if (w == cw && h == ch) {
        SetDIBitsToDevice(dc, target.left, target.top, DWORD(cw), DWORD(ch), 0, 0, 0, UINT(ch),
                          canvas.Bits(), &info, DIB_RGB_COLORS);
    } else if (w % cw == 0 && h % ch == 0 && w / cw == h / ch) {
        // Blocks: each canvas pixel repeated, never blended.
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, target.left, target.top, w, h, 0, 0, cw, ch, canvas.Bits(), &info,
                      DIB_RGB_COLORS, SRCCOPY);
    } else {
        PaintScaled(dc, target, canvas);
    }
}

PictureWindow::PictureWindow(const tk::TCanvas& canvas, HWND parent, int id) : canvas_(canvas) {
    Create(L"ZChartPicture", nullptr, WS_CHILD | WS_CLIPSIBLINGS, 0, L"",
           RECT{0, 0, canvas.Width(), canvas.Height()}, parent,
           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
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
    case WM_SIZE:
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    }
    return Default(message, wParam, lParam);
}

void PictureWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    PaintCanvas(dc, client, canvas_);
    EndPaint(Handle(), &ps);
}

} // namespace tkwin
