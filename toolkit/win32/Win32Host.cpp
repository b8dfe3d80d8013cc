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

#include <algorithm>
#include <deque>

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
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                        ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
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
    closed_.clear();
    windows_.Clear();
    if (font_) RemoveFontMemResourceEx(font_);
}

void Win32Host::Show(tk::TForm& form, tk::TApplication& application) {
    FormWindow& window =
        windows_.SetMain(std::make_unique<FormWindow>(form, application, program_));
    ::ShowWindow(window.Handle(), SW_SHOWMAXIMIZED);
    UpdateWindow(window.Handle());
    if (HWND first = window.FirstTabStop()) SetFocus(first);
}

void Win32Host::Run() {
    if (!windows_.Main()) return;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Each window's keys in that window only.
        const HWND root = GetAncestor(message.hwnd, GA_ROOT);
        FormWindow* to =
            windows_.FindInAny([&](FormWindow& w) { return w.Handle() == root ? &w : nullptr; });
        if (to && to->Handle() && to->TranslateKeys(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Host::ShowError(const std::string& message) {
    HWND owner = Window();
    const std::string title = windows_.Main() ? WindowText(owner) : program_;
    MessageBoxW(owner, ToUtf16(message).c_str(), ToUtf16(title).c_str(), MB_OK | MB_ICONERROR);
}

std::optional<std::string> Win32Host::AskOpenPath(const tk::TOpenFileQuestion& question) {
    return tkwin::AskOpenPath(Window(), question);
}

std::optional<std::string> Win32Host::AskSavePath(const tk::TSaveFileQuestion& question) {
    return tkwin::AskSavePath(Window(), question);
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

void Win32Host::ShowWindow(tk::TForm& form, tk::TApplication& application) {
    closed_.clear();
    if (FormWindow* open = WindowOf(form)) {
        SetForegroundWindow(open->Handle());
        return;
    }
    auto window = std::make_unique<FormWindow>(form, application, program_, Window());
    HWND hwnd = window->Handle();
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(Window() ? Window() : hwnd, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
    // Within the monitor's work area: a window larger than the screen would have its edges
    // cut off where the form would otherwise shrink its picture to fit.
    RECT outer;
    GetWindowRect(hwnd, &outer);
    const RECT& work = monitor.rcWork;
    const int width = std::min(outer.right - outer.left, work.right - work.left);
    const int height = std::min(outer.bottom - outer.top, work.bottom - work.top);
    SetWindowPos(hwnd, nullptr, work.right - width, work.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    window->OnClosed = [this, &form, &application] {
        closed_.push_back(windows_.Take(form));
        application.Closed(form);
    };
    ::ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    if (HWND first = window->FirstTabStop()) SetFocus(first);
    windows_.Add(std::move(window));
}

namespace {

// The tasks waiting, first first: a timer message a task, each taking the oldest, so that
// the order holds whatever order the timers come in.
std::deque<std::function<void()>>& LaterTasks() {
    static std::deque<std::function<void()>> tasks;
    return tasks;
}

void CALLBACK RunLaterTask(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (LaterTasks().empty()) return;
    const std::function<void()> task = std::move(LaterTasks().front());
    LaterTasks().pop_front();
    task();
}

} // namespace

void Win32Host::Later(std::function<void()> task) {
    LaterTasks().push_back(std::move(task));
    SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &RunLaterTask);
}

void Win32Host::Changed() {
    windows_.RefreshAll();
}

FormWindow* Win32Host::WindowOf(const tk::TForm& form) const {
    return windows_.Of(form);
}

HWND Win32Host::Window() const {
    return windows_.Main() ? windows_.Main()->Handle() : nullptr;
}

HWND Win32Host::HandleOf(const tk::TControl& control) const {
    return windows_.FindInAny([&](const FormWindow& w) { return w.HandleOf(control); });
}

} // namespace tkwin
