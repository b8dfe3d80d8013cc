// zline.exe: zline's window on Windows (WindowStartup.h).
//
// The program's own headers come before windows.h, whose RGB macro would otherwise rewrite
// the toolkit's tk::RGB in the icon's colours.
#include "cli/ZlineAnswers.h"
#include "zline/Program.h"
#include "zline/Unit1.h"

#include "programs/windows/WindowStartup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return programs::RunOnWin32(zline::kProgram, cli::ZlineProgram(), zline::Form1);
}
