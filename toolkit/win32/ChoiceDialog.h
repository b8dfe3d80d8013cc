// One of a list, or a value typed: a small modal dialog of our own, built in memory, with
// the prompt, a drop-down field holding the items (the one selected shown at first) that
// also takes any text typed, and OK and Cancel. Tahoma 8, as the windows' controls, at the
// screen's density (the dialog manager scales it for a per-monitor aware process).
#pragma once

#include "toolkit/Questions.h"

#include <windows.h>

#include <optional>
#include <string>

namespace tkwin {

// The field's text when the user pressed OK (or Enter), in UTF-8; nothing on Cancel,
// Escape or the window's close box.
std::optional<std::string> AskChoice(HWND owner, const tk::TChoiceQuestion& question);

} // namespace tkwin
