// zline.com: zline's answers in a Windows console (ConsoleProgram.h).
#include "programs/windows/ConsoleProgram.h"

#include "cli/ZlineAnswers.h"
#include "zline/Program.h"

int main() {
    return console::RunConsoleProgram(zline::kProgram, cli::ZlineProgram());
}
