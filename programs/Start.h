// What the programs' entry points share on every platform, whatever window system they
// start: the answers without a window when the command line asks for them, the version
// --version tells, and the main form run on the platform's host.
//
//     if (const std::optional<int> status =
//             programs::AnswerIfAsked(cli::ZmatchProgram(), cli::WritePicture, argc, argv))
//         return *status;
#pragma once

#include "cli/Run.h"
#include "programs/MainForm.h"

#include "toolkit/Application.h"
#include "toolkit/Conversions.h"

#include <optional>

namespace programs {

// The project's version, "1.0.0".
const char* Version();

// The exit status when the command line asks for answers (a load, --json, --picture or
// one of the program's own options): they are then written to standard output, read with
// the user's decimal separator, --picture by `writePicture`. Nothing when the window is to
// open.
std::optional<int> AnswerIfAsked(const cli::TProgram& program,
                                 const cli::TWritePicture& writePicture, int argc, char** argv);

// Builds the main form on `host`, numbers written as the user's locale writes them, and
// runs it until its window closes: 0. An exception escaping start-up is shown in the error
// box (anything that is not the toolkit's own as an internal error), and the program then
// returns 1.
template <class TF> int RunMainForm(tk::THost& host, TF*& form) {
    tk::TApplication application(host, tk::TFormatSettings::FromLocale());
    return Started(application, [&] {
        application.Initialize();
        application.CreateForm(form);
        application.Run();
    });
}

} // namespace programs
