// A program's window left on the desktop with its steps window open at a chosen step
// (StepsShot.h), under Wine or on Windows, in its locale, as the program runs.
//
//     zmatch_steps_shot STEP [other]     zline_steps_shot STEP [other]
//
// The program's own headers come before windows.h, whose RGB macro would otherwise rewrite
// the toolkit's tk::RGB.
#include PROGRAM_UNIT

#include "tests/common/StepsShot.h"

#include "chart/ChartState.h"
#include "toolkit/win32/Win32Host.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s STEP [other]\n", argv[0]);
        return 2;
    }
    chart::TChartState state;
    tkwin::Win32Host host(PROGRAM_NAME);
    tk::TApplication app(host);
    PROGRAM_FORM* form = nullptr;
    app.CreateForm(form, state);
    const bool other = argc > 2 && std::string_view(argv[2]) == "other";
    if (!testing_common::OpenStepsAt(app, *form, other, std::atoi(argv[1]))) return 1;
    app.Run();
    return 0;
}
