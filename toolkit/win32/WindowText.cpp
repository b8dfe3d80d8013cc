#include "toolkit/win32/WindowText.h"

#include "toolkit/win32/Utf16.h"

namespace tkwin {

std::string WindowText(HWND hwnd) {
    std::wstring text(std::size_t(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return ToUtf8(text);
}

} // namespace tkwin
