// zmatch's methods window driven to a solved method, for a look on a real desktop (tests/qt
// and tests/win32 methods_shot.cpp): the main window's Zн and Zв typed, the window opened
// and the method solved, with the comma of the Russian desktop the shots are taken on.
#pragma once

#include "chart/ChartState.h"
#include "toolkit/Application.h"
#include "zmatch/MethodsForm.h"
#include "zmatch/Unit1.h"

#include <cstdio>
#include <string_view>

namespace testing_common {

inline bool OpenMethodAt(tk::TApplication& app, zmatch::TForm1& form, std::string_view method,
                         const char* rn, const char* xn, const char* wavelength = "1") {
    form.Edit6->Text = wavelength;
    form.Edit1->Text = rn;
    form.Edit2->Text = xn;
    form.Edit3->Text = "50";
    form.Edit4->Text = "0";
    app.Click(*form.Button1);
    app.Dispatch([&] { zmatch::OpenMethodsWindow(form); });
    if (app.Windows().empty()) return false;
    auto* methods = dynamic_cast<zmatch::TMethodsForm*>(app.Windows().front());
    methods->ChooseMethod(method);
    app.Click(*methods->SolveButton);
    return true;
}

// The drivers' whole program, on the window system of THost.
//
//     zmatch_methods_shot METHOD [RN XN [WAVELENGTH]]
//     zmatch_methods_shot double-stub 100 50
//     zmatch_methods_shot series-stub 10 -333 0,123457
template <class THost> int MethodsShotMain(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s METHOD [RN XN [WAVELENGTH]]\n", argv[0]);
        return 2;
    }
    chart::TChartState state;
    THost host("zmatch");
    tk::TApplication app(host);
    zmatch::TForm1* form = nullptr;
    app.CreateForm(form, state);
    if (!OpenMethodAt(app, *form, argv[1], argc > 3 ? argv[2] : "100", argc > 3 ? argv[3] : "50",
                      argc > 4 ? argv[4] : "1"))
        return 1;
    app.Run();
    return 0;
}

} // namespace testing_common
