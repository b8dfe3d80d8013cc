// zmatch.com: zmatch's answers in a Windows console (ConsoleProgram.h).
#include "programs/windows/ConsoleProgram.h"

#include "cli/ZmatchAnswers.h"
#include "zmatch/Program.h"

int main() {
    return console::RunConsoleProgram(zmatch::kProgram, cli::ZmatchProgram());
}
