// The window's keys before the dialog manager's: Ctrl+A in a field, the form's actions, and
// the arrows a form takes for its own (the reading cross, the steps), which a field, a list
// and a slider keep.
#include "toolkit/win32/FormWindow.h"

#include <optional>

namespace tkwin {

namespace {

bool IsField(HWND hwnd) {
    wchar_t name[8] = {};
    return GetClassNameW(hwnd, name, 8) && lstrcmpiW(name, L"Edit") == 0;
}

std::optional<tk::TArrowKey> ArrowOf(WPARAM key) {
    switch (key) {
    case VK_LEFT:
        return tk::TArrowKey::Left;
    case VK_UP:
        return tk::TArrowKey::Up;
    case VK_RIGHT:
        return tk::TArrowKey::Right;
    case VK_DOWN:
        return tk::TArrowKey::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

bool FormWindow::TranslateKeys(MSG& message) {
    // Ctrl+A selects all a field holds, as in Windows' own dialogs.
    if (message.message == WM_KEYDOWN && message.wParam == 'A' && GetKeyState(VK_CONTROL) < 0 &&
        IsField(message.hwnd)) {
        SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
        return true;
    }
    if (actions_->Keys() && TranslateAcceleratorW(Handle(), actions_->Keys(), &message))
        return true;
    // A form that takes the arrows has them before the dialog keys, which would move the
    // focus between its buttons; a field, a list and a slider keep them (tk::KeepsArrowKeys).
    const ControlWindow* focused = WindowOf(message.hwnd);
    if (message.message == WM_KEYDOWN && form_.OnArrowKey &&
        !(focused && tk::KeepsArrowKeys(focused->Control().Kind)))
        if (const std::optional<tk::TArrowKey> arrow = ArrowOf(message.wParam)) {
            application_.ArrowKey(form_, *arrow);
            return true;
        }
    return IsDialogMessageW(Handle(), &message) != 0;
}

} // namespace tkwin
