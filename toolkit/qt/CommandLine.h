// The programs' command line, read before any window exists: --help and --version, in
// Russian and laid out as Qt's own QCommandLineParser prints them; anything else is an
// error. The window itself takes no arguments.
//
//     $ zmatch --bogus
//     zmatch: неизвестный параметр «--bogus»
//     Справка: zmatch --help
#pragma once

#include <optional>

namespace tkqt {

struct ProgramInfo {
    const char* Name;    // the executable's name, e.g. "zmatch"
    const char* Summary; // what the program does, one or two lines for --help
};

// What a command line asks for. Returns the exit status when the program is to end here,
// having printed what it was asked for (0: help or version on standard output) or why not
// (2: a message on standard error), or std::nullopt when it is to open its window.
std::optional<int> HandleCommandLine(const ProgramInfo& program, int argc, char** argv);

} // namespace tkqt
