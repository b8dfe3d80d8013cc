// The keys of each shortcut of a form's menu, the usual ones for each meaning, and how the
// menu names them. Every binding takes its keys and names from here.
//
//     ShortcutKeysOf(TShortcut::Save)    {'S', 0, true, "Ctrl+S"}
//     ShortcutKeysOf(TShortcut::Steps)   {0, 1, false, "F1"}
//     ShortcutKeysOf(TShortcut::Stop)    {0, 0, false, "Esc", true}
#pragma once

#include "toolkit/Controls.h"

namespace tk {

struct TShortcutKeys {
    char Letter = 0;      // 'A' .. 'Z'; 0: a function key or none
    int FunctionKey = 0;  // 1 for F1 ...; 0: a letter or none
    bool Control = false; // with Ctrl held
    const char* Shown = "";
    bool Escape = false; // Esc alone
    bool Any() const { return Letter || FunctionKey || Escape; }
};

TShortcutKeys ShortcutKeysOf(TShortcut shortcut);

} // namespace tk
