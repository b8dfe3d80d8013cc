// A file to open: the system's open dialog, offering the files the question names
// («Файлы Touchstone (*.s1p *.s2p)»), the file chosen required to exist.
#pragma once

#include "toolkit/Questions.h"

#include <windows.h>

#include <optional>
#include <string>

namespace tkwin {

// The path chosen, in UTF-8; nothing when the user cancelled.
std::optional<std::string> AskOpenPath(HWND owner, const tk::TOpenFileQuestion& question);

} // namespace tkwin
