#include "toolkit/win32/Window.h"

#include <utility>

namespace tkwin {

HINSTANCE Module() {
    return GetModuleHandleW(nullptr);
}

Window::~Window() {
    Destroy();
}

void Window::Destroy() {
    if (!hwnd_) return;
    // Messages the destruction sends no longer reach this object.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(std::exchange(hwnd_, nullptr));
}

void Window::Create(const wchar_t* className, HBRUSH background, DWORD style, DWORD exStyle,
                    const wchar_t* title, const RECT& place, HWND parent, HMENU idOrMenu) {
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(Module(), className, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = Procedure;
        wc.hInstance = Module();
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = background;
        wc.lpszClassName = className;
        // The program's icon, resource 1, where the program has one.
        wc.hIcon = LoadIconW(Module(), MAKEINTRESOURCEW(1));
        RegisterClassExW(&wc);
    }
    CreateWindowExW(exStyle, className, title, style, place.left, place.top,
                    place.right - place.left, place.bottom - place.top, parent, idOrMenu, Module(),
                    this);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

} // namespace tkwin
