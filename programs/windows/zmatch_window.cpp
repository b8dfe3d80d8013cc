// zmatch.exe: zmatch's window on Windows (WindowStartup.h).
//
// The program's own headers come before windows.h, whose RGB macro would otherwise rewrite
// the toolkit's tk::RGB in the icon's colours.
#include "cli/ZmatchAnswers.h"
#include "zmatch/Program.h"
#include "zmatch/Unit1.h"

#include "programs/windows/WindowStartup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return programs::RunOnWin32(zmatch::kProgram, cli::ZmatchProgram(), zmatch::Form1);
}
