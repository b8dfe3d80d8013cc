// zmatch's window left on the desktop with its methods window open and solved
// (MethodsShot.h), on the display it is given, in its locale, as the program runs.
#include "tests/common/MethodsShot.h"

#include "toolkit/qt/QtHost.h"

int main(int argc, char** argv) {
    return testing_common::MethodsShotMain<tkqt::QtHost>(argc, argv);
}
