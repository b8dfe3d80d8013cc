// The main window: a native window for each control of a form, kept in step with the
// controls, each at its designed place times the screen's density; in a client area
// smaller than designed, placed as the fitting says, and in one lower than the fitting's
// minimum (the tall column of zline on a 1366 x 768 screen at 150 %), scrolled up and down
// over it, so that every control stays within reach. Its window procedure only dispatches,
// one message to one small function. Window events reach the controls only through the
// application object, so a handler that throws ends in the error box, never in the
// message loop.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/FitLayout.h"
#include "toolkit/win32/ControlWindow.h"
#include "toolkit/win32/PictureActions.h"
#include "toolkit/win32/ToolTips.h"
#include "toolkit/win32/Window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tkwin {

class FormWindow : public Window {
  public:
    // The window, created hidden; `program` names the documents the actions make. A window
    // with an owner (the main window) stays above it and goes with it.
    FormWindow(tk::TForm& form, tk::TApplication& application, const std::string& program,
               HWND owner = nullptr);
    ~FormWindow() override;

    // After a handler: every window shows what its control now holds.
    void Refresh();

    // Keys before the window sees them: the actions' shortcuts, the arrows of a form that
    // takes them, then the dialog keys (Tab, the arrows in a group, Space on a button). True when the message was used up.
    bool TranslateKeys(MSG& message);

    HWND HandleOf(const tk::TControl& control) const;
    // Where the focus starts: the first stop in tab order, or nullptr.
    HWND FirstTabStop() const;
    const ToolTips& Tips() const { return *tips_; }
    PictureActions& Actions() { return *actions_; }
    UINT Dpi() const { return dpi_; }
    const tk::TForm& Form() const { return form_; }
    // A window beside the main one: runs when the user has closed it, its window destroyed
    // and the object still whole. Without it, closing the window ends the message loop.
    std::function<void()> OnClosed;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnCommand(WORD id, WORD code, HWND from);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    LRESULT OnControlColour(HDC dc, HWND control);
    bool OnSetCursor(HWND under);
    void OnContextMenu(HWND from, LPARAM at);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnMinMaxInfo(MINMAXINFO& info) const;
    void OnActivate(bool active);
    void OnScroll(WORD request);
    // Shows the form from `to` device-independent pixels down (within what there is).
    void ScrollTo(int to);
    void Layout();
    // Where a control stands in a client area of `client` device-independent pixels: as
    // the fitting places it, a group's controls moving with their group.
    tk::TRect PlaceOf(const tk::TControl& control, tk::TSize client) const;
    void UseFont();

    ControlWindow* WindowOf(HWND hwnd) const;

    tk::TForm& form_;
    tk::TApplication& application_;
    tk::FitLayout fit_;
    UINT dpi_;
    HFONT font_ = nullptr;
    bool refreshing_ = false;
    int scrolled_ = 0; // device-independent pixels of the form above the client area
    std::vector<std::unique_ptr<ControlWindow>> controls_;
    std::unique_ptr<ToolTips> tips_;
    std::unique_ptr<PictureActions> actions_;
    HWND lastFocus_ = nullptr;
};

} // namespace tkwin
