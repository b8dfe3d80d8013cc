// A file to open: the system's open dialog, offering the files the question names
// («Файлы Touchstone (*.s1p *.s2p)»), the file chosen required to exist; and a file to save
// in: the save dialog, with the name proposed and the first pattern's extension added to a
// name typed without one, asking before it replaces a file.
#pragma once

#include "toolkit/Questions.h"

#include <windows.h>

#include <optional>
#include <string>

namespace tkwin {

// The path chosen, in UTF-8; nothing when the user cancelled.
std::optional<std::string> AskOpenPath(HWND owner, const tk::TOpenFileQuestion& question);
std::optional<std::string> AskSavePath(HWND owner, const tk::TSaveFileQuestion& question);

} // namespace tkwin
