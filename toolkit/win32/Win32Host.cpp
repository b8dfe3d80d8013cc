#include "toolkit/win32/Win32Host.h"

#include "toolkit/Font.h"

#include "toolkit/win32/ChoiceDialog.h"
#include "toolkit/win32/Dpi.h"
#include "toolkit/win32/FormWindow.h"
#include "toolkit/win32/OpenDialog.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/WindowText.h"

#include <commctrl.h>
#include <shellapi.h>

namespace tkwin {

namespace {

// Only a web address goes to the system to open: anything else it would run as a program
// or open as a file.
bool IsWebAddress(const std::string& url) {
    return url.rfind("https://", 0) == 0 || url.rfind("http://", 0) == 0;
}

// Whether the system has a face of that family.
bool HasFace(const std::string& family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = ToUtf16(family);
    name.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen) -> int {
            *reinterpret_cast<bool*>(seen) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

Win32Host::Win32Host(std::string program) : program_(std::move(program)) {
    BecomeDpiAware();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    // The controls' face is Tahoma: the system's, or, on a machine without it (Wine with
    // no fonts of its own), the canvas's, built into the program, for this process only.
    if (!HasFace(tk::Font::Default().Family())) {
        const std::span<const std::uint8_t> face = tk::Font::Default().FileBytes();
        DWORD faces = 0;
        font_ = AddFontMemResourceEx(const_cast<std::uint8_t*>(face.data()), DWORD(face.size()),
                                     nullptr, &faces);
    }
}

Win32Host::~Win32Host() {
    window_.reset();
    if (font_) RemoveFontMemResourceEx(font_);
}

void Win32Host::Show(tk::TForm& form, tk::TApplication& application) {
    window_.reset(); // one main window at a time
    window_ = std::make_unique<FormWindow>(form, application, program_);
    ShowWindow(window_->Handle(), SW_SHOWMAXIMIZED);
    UpdateWindow(window_->Handle());
    if (HWND first = window_->FirstTabStop()) SetFocus(first);
}

void Win32Host::Run() {
    if (!window_) return;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window_->Handle() && window_->TranslateKeys(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Host::ShowError(const std::string& message) {
    HWND owner = Window();
    const std::string title = window_ ? WindowText(owner) : program_;
    MessageBoxW(owner, ToUtf16(message).c_str(), ToUtf16(title).c_str(), MB_OK | MB_ICONERROR);
}

std::optional<std::string> Win32Host::AskOpenPath(const tk::TOpenFileQuestion& question) {
    return tkwin::AskOpenPath(Window(), question);
}

std::optional<std::string> Win32Host::AskChoice(const tk::TChoiceQuestion& question) {
    return tkwin::AskChoice(Window(), question);
}

void Win32Host::OpenURL(const std::string& url) {
    if (!IsWebAddress(url) || !Browse(ToUtf16(url)))
        throw tk::Exception("Не удалось открыть страницу: не нашлось программы, которая "
                            "открывает веб-страницы.\nАдрес страницы:\n" +
                            url);
}

bool Win32Host::Browse(const std::wstring& url) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(Window(), L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

void Win32Host::Changed() {
    if (window_) window_->Refresh();
}

HWND Win32Host::Window() const {
    return window_ ? window_->Handle() : nullptr;
}

HWND Win32Host::HandleOf(const tk::TControl& control) const {
    return window_ ? window_->HandleOf(control) : nullptr;
}

} // namespace tkwin
