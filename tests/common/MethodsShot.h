// zmatch's methods window driven to a solved method, for a look on a real desktop (tests/qt
// and tests/win32 methods_shot.cpp): the main window's Zн and Zв typed, the window opened
// and the method solved, with the comma of the Russian desktop the shots are taken on.
#pragma once

#include "toolkit/Application.h"
#include "zmatch/MethodsForm.h"
#include "zmatch/Unit1.h"

#include <string_view>

namespace testing_common {

inline bool OpenMethodAt(tk::TApplication& app, zmatch::TForm1& form, std::string_view method,
                         const char* rn, const char* xn) {
    form.Edit1->Text = rn;
    form.Edit2->Text = xn;
    form.Edit3->Text = "50";
    form.Edit4->Text = "0";
    app.Click(*form.Button1);
    app.Dispatch([&] { zmatch::OpenMethodsWindow(form); });
    if (app.Windows().empty()) return false;
    auto* methods = dynamic_cast<zmatch::TMethodsForm*>(app.Windows().front());
    methods->ChooseMethod(method);
    app.Click(*methods->Button1);
    return true;
}

} // namespace testing_common
