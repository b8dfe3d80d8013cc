// Text at the boundary with Windows: the toolkit holds UTF-8, the wide-character API takes
// and gives UTF-16. Malformed UTF-8 (a field can hold any bytes) becomes U+FFFD, never a
// failure: Widen("Zн\xff") is L"Zн\uFFFD".
#pragma once

#include <string>
#include <string_view>

namespace tkwin {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The text of a window (a control's caption or a field's contents) as UTF-8.
std::string WindowText(void* hwnd);

} // namespace tkwin
