// What a program tells about itself: its name for the command line and the desktop, what
// it does for --help, the menu entry its windows belong to, and its icon.
#pragma once

#include "toolkit/IconArt.h"

namespace tkqt {

struct ProgramInfo {
    const char* Name;      // the executable's name and its icon's, e.g. "zmatch"
    const char* Summary;   // what the program does, one or two lines for --help
    const char* DesktopId; // its menu entry's name without ".desktop", e.g. "ru.zchart.zmatch"
    tk::TIconArt Icon;     // drawn when the icon theme has no picture of that name
    const char* MoreHelp = nullptr; // what --help tells after the options, if anything
};

} // namespace tkqt
