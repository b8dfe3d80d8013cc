// zmatch's window left on the desktop with its methods window open and solved
// (MethodsShot.h), under Wine or on Windows, in its locale, as the program runs.
//
//     zmatch_methods_shot METHOD [RN XN]      zmatch_methods_shot double-stub 60 -80
//
// The program's own headers come before windows.h, whose RGB macro would otherwise rewrite
// the toolkit's tk::RGB.
#include "tests/common/MethodsShot.h"

#include "chart/ChartState.h"
#include "toolkit/win32/Win32Host.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s METHOD [RN XN]\n", argv[0]);
        return 2;
    }
    chart::TChartState state;
    tkwin::Win32Host host("zmatch");
    tk::TApplication app(host);
    zmatch::TForm1* form = nullptr;
    app.CreateForm(form, state);
    if (!testing_common::OpenMethodAt(app, *form, argv[1], argc > 3 ? argv[2] : "100",
                                      argc > 3 ? argv[3] : "50"))
        return 1;
    app.Run();
    return 0;
}
