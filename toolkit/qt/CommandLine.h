// The programs' command line, read before any window exists: --help and --version in
// Russian, and the standard options every Qt program takes (-style Fusion, -platform xcb,
// -display :1, -reverse, ...), which are handed on to Qt untouched. Anything else is an
// error, so --help and --version work with no display at all.
//
//     $ zmatch --bogus
//     zmatch: неизвестный параметр «--bogus»
//     Справка: zmatch --help
//
// An option is written with one dash or two, its value after a blank or an "=":
// "-style Fusion", "--style=Fusion".
#pragma once

#include "toolkit/qt/ProgramInfo.h"

#include <optional>
#include <string>
#include <vector>

namespace tkqt {

struct CommandLine {
    // Set when the program is to end here, having printed what it was asked for (0: help
    // or version on standard output) or why not (2: a message on standard error).
    std::optional<int> ExitStatus;
    // Qt's own options as typed, in order, for the application object: {"-style", "Fusion"}.
    std::vector<std::string> QtArguments;
};

CommandLine ReadCommandLine(const ProgramInfo& program, int argc, char** argv);

} // namespace tkqt
