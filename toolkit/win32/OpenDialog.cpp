#include "toolkit/win32/OpenDialog.h"

#include "toolkit/win32/Utf16.h"

#include <commdlg.h>

#include <vector>

namespace tkwin {

namespace {

// The dialog's filter: the name as the question gives it, then its patterns, blanks
// become semicolons ("*.s1p;*.s2p"), each ended by a zero, and a zero after them. A name
// without parentheses offers every file.
std::wstring FilterOf(const std::string& filter) {
    const std::size_t open = filter.rfind('('), close = filter.rfind(')');
    std::string patterns = "*.*";
    if (open != std::string::npos && close != std::string::npos && open < close) {
        patterns = filter.substr(open + 1, close - open - 1);
        for (char& c : patterns)
            if (c == ' ') c = ';';
    }
    std::wstring out = ToUtf16(filter);
    out += L'\0';
    out += ToUtf16(patterns);
    out += L'\0';
    return out; // the string's own terminator is the final zero
}

} // namespace

std::optional<std::string> AskOpenPath(HWND owner, const tk::TOpenFileQuestion& question) {
    // Long paths are allowed: the buffer holds the longest a path may be.
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring filter = FilterOf(question.Filter);
    const std::wstring title = ToUtf16(question.Title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = DWORD(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return ToUtf8(file.data());
}

} // namespace tkwin
