#include "programs/windows/ConsoleProgram.h"

#include "programs/Start.h"
#include "programs/windows/ConsoleStreams.h"
#include "programs/windows/WindowProgram.h"

#include "cli/Picture.h"

#include "toolkit/CommandLine.h"
#include "toolkit/Exceptions.h"
#include "toolkit/win32/Arguments.h"

#include <exception>
#include <iostream>
#include <optional>

namespace console {

namespace {

int Answer(const tk::TProgramInfo& program, const cli::TProgram& answers, tkwin::TArguments& args) {
    if (const std::optional<int> status =
            programs::AnswerIfAsked(answers, cli::WritePicture, args.Count(), args.Values()))
        return *status;
    // --help, --version and a bad option end here, as the window program's would.
    const tk::TCommandLineRules rules{programs::Version(), answers.Help};
    if (const tk::TCommandLine line =
            tk::ReadCommandLine(program, rules, args.Count(), args.Values(), std::cout, std::cerr);
        line.ExitStatus)
        return *line.ExitStatus;
    StartWindowProgram();
    return 0;
}

} // namespace

int RunConsoleProgram(const tk::TProgramInfo& program, const cli::TProgram& answers) {
    const TConsoleStreams streams;
    tkwin::TArguments args = tkwin::TArguments::OfProcess();
    try {
        return Answer(program, answers, args);
    } catch (const tk::Exception& e) {
        std::cerr << answers.Name << ": " << e.Message << "\n";
    } catch (const std::exception& e) {
        std::cerr << answers.Name << ": " << tk::InternalError(e.what()) << "\n";
    }
    return 1;
}

} // namespace console
