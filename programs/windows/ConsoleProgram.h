// A program's console companion, zmatch.com beside the window program zmatch.exe: typed in
// cmd or PowerShell (which pick .com before .exe), it prints the answers in that console,
// in order, and the prompt comes back after them; a command line that asks for no answers
// starts the window program instead.
//
//     C:\> zmatch --load 100+50j --line 50 --wavelength 1 --stub short
//     Zнн=2,00+j1,00
//     ...
//
//     int main() { return console::RunConsoleProgram(zmatch::kProgram, cli::ZmatchProgram()); }
#pragma once

#include "cli/Run.h"

#include "toolkit/ProgramInfo.h"

namespace console {

// The exit status as on Linux (cli/Run.h, toolkit/CommandLine.h), 1 when the window
// program cannot be started.
int RunConsoleProgram(const tk::TProgramInfo& program, const cli::TProgram& answers);

} // namespace console
