// A host with no window system behind it, for a benchmark that drives the application's
// windows through TApplication (a click, a drag) and times only the program's own work.
#pragma once

#include "toolkit/Application.h"

#include <string>

namespace bench {

class NoHost : public tk::THost {
  public:
    void Show(tk::TForm&, tk::TApplication&) override {}
    void Run() override {}
    void ShowError(const std::string&) override {}
    void OpenURL(const std::string&) override {}
};

} // namespace bench
