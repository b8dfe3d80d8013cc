// A program's start-up: the command line (--help, --version, Qt's own options; see
// CommandLine.h), the number format of the user's locale, the application object on the Qt
// host, the program's desktop identity, the main form, the message loop. An exception
// escaping start-up is shown in the error box (anything that is not the toolkit's own as an
// internal error), and the program then returns 1.
#pragma once

#include "toolkit/qt/CommandLine.h"
#include "toolkit/qt/QtHost.h"

#include "toolkit/Conversions.h"

#include <utility>

namespace tkqt {

template <class TF> int RunMainForm(const ProgramInfo& program, int argc, char** argv, TF*& form) {
    CommandLine line = ReadCommandLine(program, argc, argv);
    if (line.ExitStatus) return *line.ExitStatus;
    tk::FormatSettings() = tk::TFormatSettings::FromLocale();
    QtHost host(program.Name, std::move(line.QtArguments));
    host.Identify(program.DesktopId, program.Name, program.Icon);
    tk::TApplication application(host);
    try {
        application.Initialize();
        application.CreateForm(form);
        application.Run();
    } catch (const tk::Exception& e) {
        application.ShowException(e);
        return 1;
    } catch (...) {
        application.ShowException(tk::Exception(tk::InternalError("")));
        return 1;
    }
    return 0;
}

} // namespace tkqt
