#include "toolkit/win32/Wide.h"

#include "toolkit/Utf8.h"

#include <windows.h>

namespace tkwin {

std::wstring Widen(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = tk::DecodeNext(utf8, i);
        if (cp < 0x10000) {
            out.push_back(wchar_t(cp));
        } else {
            out.push_back(wchar_t(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(wchar_t(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        }
    }
    return out;
}

std::string Narrow(std::wstring_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    auto put = [&out](char32_t cp) {
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    };
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = char32_t(utf16[i]);
        const bool high = unit >= 0xD800 && unit < 0xDC00;
        if (high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000) {
            put(0x10000 + ((unit - 0xD800) << 10) + (char32_t(utf16[i + 1]) - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit < 0xE000) {
            put(tk::kReplacement); // a lone surrogate
        } else {
            put(unit);
        }
    }
    return out;
}

std::string WindowText(void* hwnd) {
    const HWND window = static_cast<HWND>(hwnd);
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return Narrow(text);
}

} // namespace tkwin
