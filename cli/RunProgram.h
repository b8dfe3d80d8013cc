// A program's main(): answers without a window when the command line asks for them (a
// load, --json, --picture or one of the program's own options), and otherwise the window,
// with --help telling of both.
//
//     int main(int argc, char** argv) {
//         return cli::RunProgram(cli::ZmatchProgram(), {"zmatch", ...}, argc, argv, zmatch::Form1);
//     }
#pragma once

#include "cli/Run.h"

#include "toolkit/qt/Startup.h"

#include <optional>

namespace cli {

// The exit status when the command line asks for answers (they are then written, read with
// the user's decimal separator); nothing when the window is to open.
std::optional<int> AnswerIfAsked(const TProgram& program, int argc, char** argv);

template <class TF>
int RunProgram(const TProgram& answers, tkqt::ProgramInfo window, int argc, char** argv,
               TF*& form) {
    if (const std::optional<int> status = AnswerIfAsked(answers, argc, argv)) return *status;
    window.MoreHelp = answers.Help;
    return tkqt::RunMainForm(window, argc, argv, form);
}

} // namespace cli
