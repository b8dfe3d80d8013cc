// The main form's start-up on any platform: what is run to build it (and, on a desktop, to
// run its window until it closes) ends in the error box when it throws, an exception that
// is not the toolkit's own as an internal error, and the program then returns 1.
//
//     return programs::Started(application, [&] {
//         application.CreateForm(form);
//         application.Run();
//     });
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Exceptions.h"

namespace programs {

template <class F> int Started(tk::TApplication& application, F&& start) {
    try {
        start();
    } catch (const tk::Exception& e) {
        application.ShowException(e);
        return 1;
    } catch (...) {
        application.ShowException(tk::Exception(tk::InternalError("")));
        return 1;
    }
    return 0;
}

} // namespace programs
