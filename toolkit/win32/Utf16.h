// Text at the Windows API: the programs hold UTF-8, Windows' wide functions take UTF-16.
// Both directions accept any input: a malformed UTF-8 sequence (as tk::DecodeNext reads it)
// or a lone surrogate becomes U+FFFD, so nothing a user types or a file holds is lost
// silently or read past its end.
//
//     SetWindowTextW(edit, tkwin::ToUtf16(control.Text).c_str());
//     control.Text = tkwin::ToUtf8(buffer);
#pragma once

#include <string>
#include <string_view>

namespace tkwin {

std::wstring ToUtf16(std::string_view utf8);
std::string ToUtf8(std::wstring_view utf16);

} // namespace tkwin
