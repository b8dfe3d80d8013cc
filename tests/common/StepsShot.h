// A program's window driven to its steps window at a chosen step, for a look at both on a
// real desktop (tests/qt and tests/win32 steps_shot.cpp): zmatch after matching 100 + j50
// with a short stub (`other`: an open one), zline after moving it 0,3 λ toward the
// generator with 2 dB per wavelength (`other`: toward the load without loss). Numbers are
// typed with the comma of the Russian desktop the shots are taken on.
#pragma once

#include "chart/ChartActions.h"
#include "chart/StepsForm.h"
#include "toolkit/Application.h"

namespace testing_common {

template <class TF> bool OpenStepsAt(tk::TApplication& app, TF& form, bool other, int step) {
    form.Edit1->Text = "100";
    form.Edit2->Text = "50";
    form.Edit3->Text = "50";
    form.Edit4->Text = "0";
    app.Click(*form.Button1);
    if constexpr (requires { form.Edit7; }) {
        form.Edit5->Text = "0,3";
        form.Edit7->Text = other ? "0" : "2";
    }
    (other ? form.RadioButton2 : form.RadioButton1)->SetChecked(true);
    app.Click(*form.Button2);
    app.Dispatch([&] { chart::OpenStepsWindow(form); });
    if (app.Windows().empty()) return false;
    auto* steps = dynamic_cast<chart::TStepsForm*>(app.Windows().front());
    for (int k = 1; k < step; ++k)
        app.Click(*steps->ForwardButton);
    return true;
}

} // namespace testing_common
