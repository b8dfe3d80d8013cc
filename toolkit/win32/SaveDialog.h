// «Сохранить рисунок»: the system's save dialog with a PNG and a PDF type, starting in the
// user's pictures folder at «<program>.png». The name gets the chosen type's ending when
// typed without one; a file that exists is only replaced once the user agrees.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tkwin {

// The path chosen, in UTF-8; nothing when the user cancelled.
std::optional<std::string> AskSavePath(HWND owner, const std::string& program);

} // namespace tkwin
