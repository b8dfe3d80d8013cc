#include "toolkit/ShortcutKeys.h"

namespace tk {

TShortcutKeys ShortcutKeysOf(TShortcut shortcut) {
    switch (shortcut) {
    case TShortcut::Copy:
        return {'C', 0, true, "Ctrl+C"};
    case TShortcut::Save:
        return {'S', 0, true, "Ctrl+S"};
    case TShortcut::Print:
        return {'P', 0, true, "Ctrl+P"};
    case TShortcut::Overlay:
        return {'G', 0, true, "Ctrl+G"};
    case TShortcut::Band:
        return {'B', 0, true, "Ctrl+B"};
    case TShortcut::Open:
        return {'O', 0, true, "Ctrl+O"};
    case TShortcut::Steps:
        return {0, 1, false, "F1"};
    case TShortcut::Methods:
        return {'M', 0, true, "Ctrl+M"};
    case TShortcut::Chain:
        return {0, 2, false, "F2"};
    case TShortcut::Choose:
        return {0, 3, false, "F3"};
    case TShortcut::Stop:
        return {0, 0, false, "Esc", true};
    case TShortcut::Exercises:
        return {0, 4, false, "F4"};
    case TShortcut::None:
        break;
    }
    return {};
}

} // namespace tk
