// The mouse wheel in the Windows binding. Windows hands the wheel to the window with the
// focus; the user turns it over the window under the pointer, so each window that takes it
// hands it on to that one first. A wheel handed on and not taken there comes back up the
// parents (DefWindowProc passes it on), and is then the first taker's own.
//
//     case WM_MOUSEWHEEL:
//         if (PassWheel(Handle(), message, wParam, lParam)) return 0;
//         ... // the wheel is over this window, or came back to it
#pragma once

#include "toolkit/Controls.h"
#include "toolkit/WheelNotches.h"

#include <windows.h>

namespace tkwin {

// Sends the wheel to the window under its point when that is another window of the same
// top-level window, not one that holds `self`; true when it did.
bool PassWheel(HWND self, UINT message, WPARAM wParam, LPARAM lParam);

// The wheel's notches (120 a notch, WHEEL_DELTA; a touchpad's smaller turns add up in
// `notches`), coarse with Ctrl or Shift held.
tk::TWheel WheelOf(WPARAM wParam, tk::TWheelNotches& notches);

// The wheel message's point (screen coordinates) in `hwnd`'s client coordinates.
POINT WheelPoint(HWND hwnd, LPARAM lParam);

} // namespace tkwin
