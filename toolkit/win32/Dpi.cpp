#include "toolkit/win32/Dpi.h"

namespace tkwin {

namespace {

// The functions came with Windows 10; looked up by name so that the program starts where
// they are missing, at the system's density.
template <class F> F User32(const char* name) {
    return reinterpret_cast<F>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

void BecomeDpiAware() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (auto set = User32<SetContext>("SetProcessDpiAwarenessContext"))
        set(reinterpret_cast<HANDLE>(-4)); // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
}

UINT DpiOf(HWND window) {
    using ForWindow = UINT(WINAPI*)(HWND);
    if (auto forWindow = User32<ForWindow>("GetDpiForWindow"); forWindow && window)
        if (const UINT dpi = forWindow(window)) return dpi;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : kDesignDpi;
}

SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
    RECT r{0, 0, client.cx, client.cy};
    using ForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    if (auto forDpi = User32<ForDpi>("AdjustWindowRectExForDpi"))
        forDpi(&r, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

} // namespace tkwin
