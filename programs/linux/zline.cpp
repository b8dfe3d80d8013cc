// zline on Linux: the answers, or else the window on Qt.
#include "programs/linux/Startup.h"

#include "cli/ZlineAnswers.h"
#include "zline/Program.h"
#include "zline/Unit1.h"

int main(int argc, char** argv) {
    return programs::RunOnQt(zline::kProgram, cli::ZlineProgram(), argc, argv, zline::Form1);
}
