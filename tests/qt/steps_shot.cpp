// Leaves a program's window on the desktop with its steps window open beside it, at a
// chosen step, for a look at both (a desktop screenshot): zmatch after matching 100 + j50
// with a short stub (or an open one), zline after moving it 0,3 λ toward the generator
// with 2 dB per wavelength (or toward the load without loss).
//
//     zmatch_steps_shot STEP [other]     zline_steps_shot STEP [other]
#include "tests/qt/WindowDriver.h"

#include "chart/ChartActions.h"
#include "chart/StepsForm.h"
#include "toolkit/Application.h"

#include PROGRAM_UNIT

#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s STEP [other]\n", argv[0]);
        return 2;
    }
    const bool other = argc > 2 && std::string_view(argv[2]) == "other";
    driver::ProgramWindow<PROGRAM_FORM> w(PROGRAM_NAME);
    auto& form = *w.form;
    form.Edit1->Text = "100";
    form.Edit2->Text = "50";
    form.Edit3->Text = "50";
    form.Edit4->Text = "0";
    w.app.Click(*form.Button1);
#ifdef PROGRAM_ZLINE
    form.Edit5->Text = "0,3";
    form.Edit7->Text = other ? "0" : "2";
    (other ? form.RadioButton2 : form.RadioButton1)->SetChecked(true);
#else
    (other ? form.RadioButton2 : form.RadioButton1)->SetChecked(true);
#endif
    w.app.Click(*form.Button2);
    w.app.Dispatch([&] { chart::OpenStepsWindow(form); });
    auto* steps = dynamic_cast<chart::TStepsForm*>(w.app.Windows().at(0));
    for (int k = 1; k < std::atoi(argv[1]); ++k)
        w.app.Click(*steps->Button2);
    for (const std::string& error : w.host.Errors)
        std::fprintf(stderr, "error box: %s\n", error.c_str());
    w.app.Run();
    return 0;
}
