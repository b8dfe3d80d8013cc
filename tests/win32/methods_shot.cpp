// zmatch's window left on the desktop with its methods window open and solved
// (MethodsShot.h), under Wine or on Windows, in its locale, as the program runs.
//
// The program's own headers come before windows.h, whose RGB macro would otherwise rewrite
// the toolkit's tk::RGB.
#include "tests/common/MethodsShot.h"

#include "toolkit/win32/Win32Host.h"

int main(int argc, char** argv) {
    return testing_common::MethodsShotMain<tkwin::Win32Host>(argc, argv);
}
