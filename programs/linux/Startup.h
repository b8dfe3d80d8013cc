// A program's start-up on Linux: the answers without a window when the command line asks
// for them (programs/Start.h); else the command line (--help, --version, Qt's own options;
// see toolkit/CommandLine.h), the number format of the user's locale, the application
// object on the Qt host, the program's desktop identity, the main form, the message loop.
// An exception escaping start-up is shown in the error box (anything that is not the
// toolkit's own as an internal error), and the program then returns 1.
//
//     int main(int argc, char** argv) {
//         return programs::RunOnQt(zmatch::kProgram, cli::ZmatchProgram(), argc, argv,
//                                  zmatch::Form1);
//     }
#pragma once

#include "programs/Start.h"

#include "cli/Picture.h"

#include "toolkit/CommandLine.h"
#include "toolkit/Conversions.h"
#include "toolkit/ProgramInfo.h"
#include "toolkit/qt/QtHost.h"
#include "toolkit/qt/QtOptions.h"

#include <iostream>
#include <string>
#include <utility>

namespace programs {

template <class TF>
int RunOnQt(const tk::TProgramInfo& program, const cli::TProgram& answers, int argc, char** argv,
            TF*& form) {
    if (const std::optional<int> status = AnswerIfAsked(answers, cli::WritePicture, argc, argv))
        return *status;
    // The manual pages come with the Linux programs alone.
    const std::string manual = std::string("man ") + program.Name;
    const tk::TCommandLineRules rules{Version(), answers.Help, tkqt::kQtOptions,
                                      tkqt::kQtOptionsHelp, manual.c_str()};
    tk::TCommandLine line = tk::ReadCommandLine(program, rules, argc, argv, std::cout, std::cerr);
    if (line.ExitStatus) return *line.ExitStatus;
    tkqt::QtHost host(program.Name, std::move(line.WindowSystemArguments));
    host.Identify(program.DesktopId, program.Name, program.Icon);
    return RunMainForm(host, form);
}

} // namespace programs
