// The Win32 binding driven as a user drives it, without a modal box: a host that records
// error boxes and opened addresses and answers the modal questions from a script, a program's form
// shown on it, and the user's typing and clicks sent to the controls' own windows, which notify the
// main window as they do for a real user.
#pragma once

#include "tests/common/ScopedDecimalSeparator.h"
#include "tests/common/ScriptedAnswers.h"

#include "chart/ChartState.h"
#include "toolkit/Application.h"
#include "toolkit/win32/FormWindow.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/Win32Host.h"
#include "toolkit/win32/WindowText.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

class RecordingHost : public tkwin::Win32Host {
  public:
    using Win32Host::Win32Host;
    void ShowError(const std::string& message) override { Errors.push_back(message); }
    std::optional<std::string> AskOpenPath(const tk::TOpenFileQuestion& q) override {
        return Script.Open(q);
    }
    std::optional<std::string> AskChoice(const tk::TChoiceQuestion& q) override {
        return Script.Choose(q);
    }
    std::vector<std::string> Errors;
    std::vector<std::string> Urls;
    testing_common::ScriptedAnswers Script;

  protected:
    bool Browse(const std::wstring& url) override {
        Urls.push_back(tkwin::ToUtf8(url));
        return true;
    }
};

// Handles whatever the windows have queued (paints, the tooltip's timers).
inline void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT) DispatchMessageW(&message);
}

// A program's own form on a chart state of its own, shown by a recording host.
template <class TF> class ProgramWindow {
  public:
    explicit ProgramWindow(const char* program) : host(program) {
        app.CreateForm(form, state);
        Pump();
    }

    HWND Handle(std::string_view name) const {
        const tk::TControl* control = form->FindControl(name);
        return control ? host.HandleOf(*control) : nullptr;
    }
    std::string Text(std::string_view name) const { return tkwin::WindowText(Handle(name)); }
    tkwin::FormWindow& Window() const { return *host.Form(); }

    testing_common::ScopedDecimalSeparator comma{','};
    chart::TChartState state; // outlives the form, which refers to it
    RecordingHost host;
    tk::TApplication app{host};
    TF* form = nullptr;
};

// Types `text` over what the field holds: the field tells the window of the change.
inline void TypeOver(HWND field, const char* text) {
    SetWindowTextW(field, tkwin::ToUtf16(text).c_str());
}

// A press of the left button over the control and its release.
inline void Press(HWND control) {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Pump();
}

inline std::string ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return tkwin::ToUtf8(name);
}

// The window's place in its parent's client area.
inline RECT PlaceOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace driver
