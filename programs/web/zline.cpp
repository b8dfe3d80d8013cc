// zline in the browser: the window as a page.
#include "programs/web/Startup.h"

#include "zline/Program.h"
#include "zline/Unit1.h"

int main() {
    return programs::RunInPage(zline::kProgram, zline::Form1);
}
