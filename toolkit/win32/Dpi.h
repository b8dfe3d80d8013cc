// The screen's density. The programs are aware of each monitor's (per-monitor v2): Windows
// does not blur their windows by stretching them, and they lay themselves out in device
// pixels, every designed measure times dpi / 96 (150 %: 144 dpi, a 169-pixel column
// becomes 253), truncated toward zero.
#pragma once

#include <windows.h>

namespace tkwin {

inline constexpr int kDesignDpi = 96;

// Asks for per-monitor v2 awareness where Windows offers it (10, 1703 on); the manifest
// asks the same before the program starts, this covers a program started without it.
void BecomeDpiAware();

// The density of the monitor a window is on, or the system's before it has a window.
UINT DpiOf(HWND window);

inline int Scaled(int designed, UINT dpi) {
    return int(static_cast<long long>(designed) * dpi / kDesignDpi);
}

// The outer size of a window whose client area is `client` device pixels.
SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

} // namespace tkwin
