// The controls' tooltips: one tooltip window for the form, a tool for each control, its
// text the control's hint exactly as the program wrote it, on several lines where the hint
// has several (the tip is given a width, which is what lets it break lines at all).
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace tkwin {

class ToolTips {
  public:
    explicit ToolTips(HWND owner);
    ~ToolTips();
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    // The tip shown over `control`; empty: none.
    void Set(HWND control, const std::string& text);
    // What the tooltip window holds for `control`, as it would show it.
    std::string Text(HWND control) const;
    // The widest a tip grows before it breaks a line, in device pixels.
    void SetMaxWidth(int width);

    HWND Handle() const { return tip_; }

  private:
    HWND owner_;
    HWND tip_;
    std::map<HWND, std::wstring> texts_; // the tools added, by control
};

} // namespace tkwin
