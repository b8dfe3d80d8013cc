// The programs' command line, read before any window exists: --help and --version in
// Russian, and the window system's own options (Qt's -style Fusion, -platform xcb,
// -display :1, -reverse, ...; none on Windows), which are handed on to it untouched.
// Anything else is an error, so --help and --version work with no display at all.
//
//     $ zmatch --bogus
//     zmatch: неизвестный параметр «--bogus»
//     Справка: zmatch --help
//
// An option is written with one dash or two, its value after a blank or an "=":
// "-style Fusion", "--style=Fusion". Arguments are UTF-8.
#pragma once

#include "toolkit/ProgramInfo.h"

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tk {

// An option the window system reads from the command line itself: its name without dashes,
// and whether a value follows it.
struct TWindowSystemOption {
    const char* Name;
    bool TakesValue;
};

// What the command line knows besides the program's identity.
struct TCommandLineRules {
    const char* Version;            // what --version prints after the name, "1.0.0"
    const char* MoreHelp = nullptr; // what --help tells after the options, if anything
    // The window system's own options, and what --help says of them (one line).
    std::span<const TWindowSystemOption> WindowSystemOptions = {};
    const char* WindowSystemHelp = nullptr;
    // Where the whole manual is, for --help's last line: "man zmatch"; nullptr: none.
    const char* Manual = nullptr;
};

struct TCommandLine {
    // Set when the program is to end here, having written what it was asked for (0: help
    // or version on `out`) or why not (2: a message on `err`).
    std::optional<int> ExitStatus;
    // The window system's options as typed, in order, for it to read: {"-style", "Fusion"}.
    std::vector<std::string> WindowSystemArguments;
};

TCommandLine ReadCommandLine(const TProgramInfo& program, const TCommandLineRules& rules, int argc,
                             char** argv, std::ostream& out, std::ostream& err);

} // namespace tk
