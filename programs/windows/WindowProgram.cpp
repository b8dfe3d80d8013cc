#include "programs/windows/WindowProgram.h"

#include "toolkit/Exceptions.h"
#include "toolkit/win32/Utf16.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace console {

namespace {

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The command line after the program's own name, as Windows reads that name: up to the
// closing quote when it is quoted, else up to the first blank.
std::wstring_view ArgumentsTyped(std::wstring_view line) {
    std::size_t end = 0;
    if (!line.empty() && line[0] == L'"') {
        end = line.find(L'"', 1);
        end = end == std::wstring_view::npos ? line.size() : end + 1;
    } else {
        end = line.find_first_of(L" \t");
        if (end == std::wstring_view::npos) end = line.size();
    }
    return line.substr(end);
}

std::string SystemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text != nullptr ? text : L"", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.'))
        message.pop_back();
    return message.empty() ? "код " + std::to_string(code) : tkwin::ToUtf8(message);
}

} // namespace

void StartWindowProgram() {
    std::wstring program = OwnPath();
    if (const std::size_t dot = program.rfind(L'.'); dot != std::wstring::npos) program.resize(dot);
    program += L".exe";
    std::wstring line = L"\"" + program + L"\"";
    line += ArgumentsTyped(GetCommandLineW());

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        throw tk::Exception("Не удалось запустить «" + tkwin::ToUtf8(program) +
                            "»: " + SystemMessage(GetLastError()));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace console
