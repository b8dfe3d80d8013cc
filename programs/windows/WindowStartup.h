// A program's window start-up on Windows (zmatch.exe): the command line as UTF-8 arguments
// (toolkit/win32/Arguments.h); answers, when it asks for them, or --help, --version and a
// wrong option (toolkit/CommandLine.h), shown in a message box, since a program with a
// window has no console to print in (zmatch.com prints them where they were typed); else
// the number format of the user's regional settings, the application object on the Win32
// host, the main form, the message loop. An exception escaping start-up is shown in the
// error box, and the program then returns 1.
//
//     int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
//         return programs::RunOnWin32(zmatch::kProgram, cli::ZmatchProgram(), zmatch::Form1);
//     }
#pragma once

#include "programs/Start.h"

#include "cli/Picture.h"

#include "toolkit/CommandLine.h"
#include "toolkit/Conversions.h"
#include "toolkit/ProgramInfo.h"
#include "toolkit/win32/Arguments.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/Win32Host.h"

#include <windows.h>

#include <iostream>
#include <optional>
#include <sstream>

namespace programs {

// What the program wrote to its standard streams meanwhile, kept rather than lost.
class CapturedOutput {
  public:
    CapturedOutput() : out_(std::cout.rdbuf(text_.rdbuf())), err_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~CapturedOutput() {
        std::cout.rdbuf(out_);
        std::cerr.rdbuf(err_);
    }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    // Shows what was written, if anything, in a message box titled `title`: an error's
    // icon unless the status is 0.
    void Show(const char* title, int status) const {
        const std::string text = text_.str();
        if (text.empty()) return;
        MessageBoxW(nullptr, tkwin::ToUtf16(text).c_str(), tkwin::ToUtf16(title).c_str(),
                    MB_OK | (status == 0 ? MB_ICONINFORMATION : MB_ICONERROR));
    }

  private:
    std::ostringstream text_;
    std::streambuf* out_;
    std::streambuf* err_;
};

// The exit status when the program ends before any window: answers, help, version, or an
// option it does not know. Nothing when the window is to open.
inline std::optional<int> EndsBeforeTheWindow(const tk::TProgramInfo& program,
                                              const cli::TProgram& answers,
                                              tkwin::TArguments& args) {
    const CapturedOutput output;
    std::optional<int> status =
        AnswerIfAsked(answers, cli::WritePicture, args.Count(), args.Values());
    if (!status) {
        const tk::TCommandLineRules rules{Version(), answers.Help};
        status =
            tk::ReadCommandLine(program, rules, args.Count(), args.Values(), std::cout, std::cerr)
                .ExitStatus;
    }
    if (status) output.Show(program.Name, *status);
    return status;
}

template <class TF>
int RunOnWin32(const tk::TProgramInfo& program, const cli::TProgram& answers, TF*& form) {
    tkwin::TArguments args = tkwin::TArguments::OfProcess();
    if (const std::optional<int> status = EndsBeforeTheWindow(program, answers, args))
        return *status;
    tkwin::Win32Host host(program.Name);
    return RunMainForm(host, form);
}

} // namespace programs
