#include "toolkit/win32/SaveDialog.h"

#include "toolkit/win32/Utf16.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace tkwin {

namespace {

// Each filter as its name and its pattern, each ended by a zero, and a zero after them.
constexpr wchar_t kFilters[] = L"Рисунок PNG (*.png)\0*.png\0"
                               L"Векторный рисунок PDF (*.pdf)\0*.pdf\0";

std::wstring PicturesFolder() {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

} // namespace

std::optional<std::string> AskSavePath(HWND owner, const std::string& program) {
    // Long paths are allowed: the buffer holds the longest a path may be.
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring name = ToUtf16(program + ".png");
    name.copy(file.data(), name.size());
    const std::wstring folder = PicturesFolder();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilters;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = DWORD(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = L"Сохранить рисунок";
    // The ending of the type chosen, for a name typed without one.
    dialog.lpstrDefExt = L"png";
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return ToUtf8(file.data());
}

} // namespace tkwin
