// A program's start-up in the page: the number format of the browser's language, the
// application object on the page's host, the main form. main() returns once the form shows;
// the page's events run the handlers from then on, so the host and the application object
// live on past it.
//
//     int main() { return programs::RunInPage(zmatch::kProgram, zmatch::Form1); }
#pragma once

#include "chart/ChainAddress.h"
#include "programs/MainForm.h"
#include "toolkit/Application.h"
#include "toolkit/ProgramInfo.h"
#include "toolkit/web/WebHost.h"

namespace programs {

template <class TF> int RunInPage(const tk::TProgramInfo& program, TF*& form) {
    static tkweb::WebHost host(program.Name);
    static tk::TApplication application(host, tkweb::BrowserFormatSettings());
    return Started(application, [&] {
        application.Initialize();
        application.CreateForm(form);
        // A link's chain in its window; a bad one says why, the page as usual under it.
        application.Dispatch([&] { chart::OpenAddressedChain(*form); });
    });
}

} // namespace programs
