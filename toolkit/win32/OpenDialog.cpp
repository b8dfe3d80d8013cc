#include "toolkit/win32/OpenDialog.h"

#include "toolkit/win32/Utf16.h"

#include <commdlg.h>

#include <algorithm>
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

// The first pattern's extension without its dot: "s2p" of "(*.s2p *.s1p)"; empty: none.
std::wstring ExtensionOf(const std::string& filter) {
    const std::size_t star = filter.find("*.");
    if (star == std::string::npos) return {};
    std::size_t end = star + 2;
    while (end < filter.size() && filter[end] != ' ' && filter[end] != ')' && filter[end] != '*')
        ++end;
    return ToUtf16(filter.substr(star + 2, end - star - 2));
}

// What both dialogs share: the owner, the filter chosen first, the buffer the path comes
// back in and the title. The strings must outlive the dialog.
OPENFILENAMEW DialogOf(HWND owner, const std::wstring& filter, std::vector<wchar_t>& file,
                       const std::wstring& title) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = DWORD(file.size());
    dialog.lpstrTitle = title.c_str();
    return dialog;
}

} // namespace

std::optional<std::string> AskSavePath(HWND owner, const tk::TSaveFileQuestion& question) {
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring name = ToUtf16(question.Name);
    std::copy(name.begin(), name.begin() + std::ptrdiff_t(std::min(name.size(), file.size() - 1)),
              file.begin());
    const std::wstring filter = FilterOf(question.Filter);
    const std::wstring title = ToUtf16(question.Title);
    const std::wstring extension = ExtensionOf(question.Filter);
    OPENFILENAMEW dialog = DialogOf(owner, filter, file, title);
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                   OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return ToUtf8(file.data());
}

std::optional<std::string> AskOpenPath(HWND owner, const tk::TOpenFileQuestion& question) {
    // Long paths are allowed: the buffer holds the longest a path may be.
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring filter = FilterOf(question.Filter);
    const std::wstring title = ToUtf16(question.Title);
    OPENFILENAMEW dialog = DialogOf(owner, filter, file, title);
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return ToUtf8(file.data());
}

} // namespace tkwin
