// Leaves a program's window on the desktop with its steps window open beside it, at a
// chosen step, for a look at both (a desktop screenshot): zmatch after matching 100 + j50
// with a short stub (or an open one), zline after moving it 0,3 λ toward the generator
// with 2 dB per wavelength (or toward the load without loss). It runs on the display it is
// given, in its locale, as the program does.
//
//     zmatch_steps_shot STEP [other]     zline_steps_shot STEP [other]
#include "chart/ChartActions.h"
#include "chart/ChartState.h"
#include "chart/StepsForm.h"
#include "toolkit/Application.h"
#include "toolkit/qt/QtHost.h"

#include PROGRAM_UNIT

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s STEP [other]\n", argv[0]);
        return 2;
    }
    const bool other = argc > 2 && std::string_view(argv[2]) == "other";
    chart::TChartState state;
    tkqt::QtHost host(PROGRAM_NAME);
    tk::TApplication app(host);
    PROGRAM_FORM* form = nullptr;
    app.CreateForm(form, state);
    form->Edit1->Text = "100";
    form->Edit2->Text = "50";
    form->Edit3->Text = "50";
    form->Edit4->Text = "0";
    app.Click(*form->Button1);
#ifdef PROGRAM_ZLINE
    form->Edit5->Text = "0,3"; // the Russian desktop's comma
    form->Edit7->Text = other ? "0" : "2";
#endif
    (other ? form->RadioButton2 : form->RadioButton1)->SetChecked(true);
    app.Click(*form->Button2);
    app.Dispatch([&] { chart::OpenStepsWindow(*form); });
    if (app.Windows().empty()) return 1;
    auto* steps = dynamic_cast<chart::TStepsForm*>(app.Windows().front());
    for (int k = 1; k < std::atoi(argv[1]); ++k)
        app.Click(*steps->Button2);
    app.Run();
    return 0;
}
