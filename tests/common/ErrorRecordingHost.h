// A host for forms run headless with an application around them: shows nothing, and keeps
// the messages the error box would have shown, so a test can read them.
#pragma once

#include "toolkit/Application.h"

#include <string>
#include <vector>

namespace testing_common {

struct ErrorRecordingHost : tk::THost {
    void Show(tk::TForm&, tk::TApplication&) override {}
    void Run() override {}
    void ShowError(const std::string& message) override { errors.push_back(message); }
    void OpenURL(const std::string&) override {}
    std::vector<std::string> errors;
};

} // namespace testing_common
