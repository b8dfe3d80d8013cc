// What the programs' entry points share on every platform, whatever window system they
// start: the answers without a window when the command line asks for them, and the
// version --version tells.
//
//     if (const std::optional<int> status = programs::AnswerIfAsked(cli::ZmatchProgram(),
//                                                                   argc, argv))
//         return *status;
#pragma once

#include "cli/Run.h"

#include <optional>

namespace programs {

// The project's version, "1.0.0".
const char* Version();

// The exit status when the command line asks for answers (a load, --json, --picture or
// one of the program's own options): they are then written to standard output, read with
// the user's decimal separator. Nothing when the window is to open.
std::optional<int> AnswerIfAsked(const cli::TProgram& program, int argc, char** argv);

} // namespace programs
