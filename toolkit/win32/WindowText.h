// The text of a window (a control's caption, a field's contents) as UTF-8.
#pragma once

#include <windows.h>

#include <string>

namespace tkwin {

std::string WindowText(HWND hwnd);

} // namespace tkwin
