// zmatch on Linux: the answers, or else the window on Qt.
#include "programs/linux/Startup.h"

#include "cli/ZmatchAnswers.h"
#include "zmatch/Program.h"
#include "zmatch/Unit1.h"

int main(int argc, char** argv) {
    return programs::RunOnQt(zmatch::kProgram, cli::ZmatchProgram(), argc, argv, zmatch::Form1);
}
