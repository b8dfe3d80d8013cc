#include "toolkit/win32/Wheel.h"

#include <windowsx.h>

namespace tkwin {

namespace {

// A wheel handed on is not handed on again on its way back up the parents.
bool passing = false;

} // namespace

bool PassWheel(HWND self, UINT message, WPARAM wParam, LPARAM lParam) {
    if (passing) return false;
    const HWND target = WindowFromPoint(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (!target || target == self || IsChild(target, self) ||
        GetAncestor(target, GA_ROOT) != GetAncestor(self, GA_ROOT))
        return false;
    passing = true;
    SendMessageW(target, message, wParam, lParam);
    passing = false;
    return true;
}

tk::TWheel WheelOf(WPARAM wParam, tk::TWheelNotches& notches) {
    const int keys = GET_KEYSTATE_WPARAM(wParam);
    return {notches.Add(GET_WHEEL_DELTA_WPARAM(wParam)), (keys & (MK_CONTROL | MK_SHIFT)) != 0};
}

POINT WheelPoint(HWND hwnd, LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(hwnd, &at);
    return at;
}

} // namespace tkwin
