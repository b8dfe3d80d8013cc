// What a program tells about itself, the same on every platform: its name for the command
// line and the desktop, what it does for --help, the menu entry its windows belong to, and
// its icon. Each program keeps its own as a constant (zmatch/Program.h).
//
//     inline constexpr tk::TProgramInfo kProgram{"zmatch", "Согласование нагрузки ...",
//                                                "ru.zchart.zmatch", kIconLayers};
#pragma once

#include "toolkit/IconArt.h"

namespace tk {

struct TProgramInfo {
    const char* Name;      // the executable's name and its icon's, e.g. "zmatch"
    const char* Summary;   // what the program does, one or two lines for --help
    const char* DesktopId; // its menu entry's name without ".desktop", e.g. "ru.zchart.zmatch"
    TIconArt Icon;         // drawn where the desktop has no picture of that name
};

} // namespace tk
