// Prints what Windows itself reads from a program's resources, one "key=value" line each,
// in UTF-8: the version information Explorer's «Свойства» show and the sizes at which the
// program's icon loads. scripts/windows-dist.sh compares it with what each program must say:
//
//     read_resources.exe zmatch.exe
//     FileDescription=Согласование шлейфом
//     ...
//     Icon=16 24 32 48 256
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size_t(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back(); // the terminating zero
    return out;
}

void PrintVersion(const wchar_t* file) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(file, &handle);
    std::vector<char> data(size);
    if (size == 0 || !GetFileVersionInfoW(file, 0, size, data.data())) return;
    for (const wchar_t* key : {L"FileDescription", L"ProductName", L"CompanyName", L"FileVersion",
                               L"ProductVersion", L"OriginalFilename", L"LegalCopyright"}) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\041904B0\\") + key;
        void* value = nullptr;
        UINT length = 0;
        if (VerQueryValueW(data.data(), query.c_str(), &value, &length) && length > 0)
            std::printf("%s=%s\n", Utf8(key).c_str(), Utf8(static_cast<wchar_t*>(value)).c_str());
    }
}

void PrintIconSizes(const wchar_t* file) {
    const HMODULE module = LoadLibraryExW(file, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return;
    std::string sizes;
    for (const int size : {16, 24, 32, 48, 256}) {
        const auto icon = static_cast<HICON>(
            LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        ICONINFO info{};
        BITMAP bitmap{};
        if (icon && GetIconInfo(icon, &info) && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap) &&
            bitmap.bmWidth == size && bitmap.bmBitsPixel == 32)
            sizes += (sizes.empty() ? "" : " ") + std::to_string(size);
    }
    FreeLibrary(module);
    std::printf("Icon=%s\n", sizes.c_str());
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: read_resources PROGRAM.exe\n");
        return 2;
    }
    PrintVersion(argv[1]);
    PrintIconSizes(argv[1]);
    return 0;
}
