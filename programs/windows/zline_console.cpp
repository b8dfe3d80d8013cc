// zline.com: zline's answers in a Windows console (ConsoleProgram.h).
#include "programs/windows/ConsoleProgram.h"

#include "cli/ZlineAnswers.h"

int main() {
    return console::RunConsoleProgram(cli::ZlineProgram());
}
