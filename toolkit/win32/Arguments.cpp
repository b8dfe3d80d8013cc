#include "toolkit/win32/Arguments.h"

#include "toolkit/win32/Utf16.h"

#include <windows.h>

#include <shellapi.h>

#include <utility>

namespace tkwin {

namespace {

std::vector<std::string> Split(std::wstring_view commandLine) {
    // CommandLineToArgvW reads an empty line as the program's own path: nothing typed is
    // nothing to split.
    if (commandLine.empty()) return {};
    const std::wstring line(commandLine);
    int count = 0;
    LPWSTR* parts = CommandLineToArgvW(line.c_str(), &count);
    if (parts == nullptr) return {};
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        arguments.push_back(ToUtf8(parts[i]));
    LocalFree(parts);
    return arguments;
}

} // namespace

TArguments TArguments::OfProcess() {
    return TArguments(GetCommandLineW());
}

TArguments::TArguments(std::wstring_view commandLine) : TArguments(Split(commandLine)) {}

TArguments::TArguments(std::vector<std::string> arguments) : Strings(std::move(arguments)) {
    PointAtStrings();
}

TArguments& TArguments::operator=(const TArguments& other) {
    if (this != &other) {
        Strings = other.Strings;
        PointAtStrings();
    }
    return *this;
}

void TArguments::PointAtStrings() {
    Pointers.clear();
    Pointers.reserve(Strings.size() + 1);
    for (std::string& s : Strings)
        Pointers.push_back(s.data());
    Pointers.push_back(nullptr);
}

} // namespace tkwin
