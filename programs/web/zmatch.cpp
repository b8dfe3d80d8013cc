// zmatch in the browser: the window as a page.
#include "programs/web/Startup.h"

#include "zmatch/Program.h"
#include "zmatch/Unit1.h"

int main() {
    return programs::RunInPage(zmatch::kProgram, zmatch::Form1);
}
