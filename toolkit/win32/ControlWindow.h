// A control and the native window that realises it. One class per control kind (in
// ControlWindow.cpp) creates the window as the control was designed (EDIT, STATIC, BUTTON
// in its styles, or the picture's own class), passes what the user does on to the control
// through the application object, and shows what a handler wrote into the control: a
// field's typing becomes the control's Text at once, a caption a handler set becomes the
// label's text.
//
// All windows are children of the main window, a group's buttons too, placed over their
// group box as in a dialog: the main window hears every notification, and the dialog keys
// (Tab, the arrows in a group) work across the whole form.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Geometry.h"
#include "toolkit/Link.h"

#include <windows.h>

#include <memory>
#include <string>

namespace tkwin {

class ControlWindow {
  public:
    virtual ~ControlWindow() = default;

    virtual const tk::TControl& Control() const = 0;
    HWND Handle() const { return hwnd_; }

    // After a handler: the window shows what its control now holds. The main window ignores
    // notifications meanwhile, since this is no user's doing.
    virtual void Refresh() = 0;
    // A notification the window sent its parent (WM_COMMAND's code: BN_CLICKED, EN_CHANGE).
    virtual void Notified(WORD /*code*/) {}
    // A common control's notification (WM_NOTIFY: a list view's LVN_ITEMCHANGED).
    virtual LRESULT Notified(const NMHDR& /*header*/) { return 0; }
    // A track bar's move (WM_HSCROLL from it).
    virtual void Scrolled() {}
    // The tooltip (toolkit/Link.h); empty for none.
    std::string ToolTip() const { return tk::ToolTipOf(Control()); }
    // Moves the window to `place`, in device-independent pixels, on a screen of `dpi`. A
    // label keeps the size of its text there, the picture the size it is shown at.
    virtual void Place(const tk::TRect& place, UINT dpi);
    // WM_DRAWITEM: paints a control that draws itself.
    virtual void Draw(const DRAWITEMSTRUCT& /*item*/) {}
    // WM_CTLCOLORSTATIC: a brush for a control drawn in a colour of its own; nullptr: the
    // system's colours.
    virtual HBRUSH Colours(HDC /*dc*/) { return nullptr; }

  protected:
    HWND hwnd_ = nullptr;
};

// What a control window needs beyond its own control: the application that runs every
// event, the form for what a control's siblings hold, the main window, and the flag the
// main window raises while it refreshes.
struct ControlContext {
    tk::TApplication& application;
    const tk::TForm& form;
    HWND parent;
    const bool& refreshing;
};

// The window for a control of any kind, created hidden with the command identifier `id`.
std::unique_ptr<ControlWindow> Realise(tk::TControl& control, int id,
                                       const ControlContext& context);

// A child window of the main one for control `c`, at its designed place, created hidden.
HWND MakeWindow(const wchar_t* className, const std::string& text, DWORD style, DWORD exStyle,
                const tk::TControl& c, int id, HWND parent);

// The kinds whose windows have files of their own (RowListWindow.cpp, SliderValueWindow.cpp).
std::unique_ptr<ControlWindow> RealiseRowList(tk::TRowList& list, int id,
                                              const ControlContext& context);
std::unique_ptr<ControlWindow> RealiseSliderValue(tk::TSliderValue& slider, int id,
                                                  const ControlContext& context);

} // namespace tkwin
