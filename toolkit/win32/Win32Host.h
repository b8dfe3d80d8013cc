// The window system for the toolkit's application object: Win32. A program builds one
// host, hands it to its TApplication, and the host realises the main form as a native
// window, its controls as Windows' own.
//
//     int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
//         tkwin::Win32Host host("zmatch");
//         tk::TApplication application(host);
//         application.Initialize();
//         application.CreateForm(Form1);
//         application.Run();
//     }
//
// The host must outlive the application object (declare it first): its window refers to
// the form's controls until the host is destroyed.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/FormWindows.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <functional>
#include <vector>

namespace tkwin {

class FormWindow;

class Win32Host : public tk::THost {
  public:
    // `program` names the documents the window saves and prints, e.g. "zmatch". Makes the
    // process aware of each monitor's density, loads the common controls, and the canvas's
    // face for them where the system has no Tahoma.
    explicit Win32Host(std::string program = "zchart");
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    // Shows the form's window maximised, the focus in its first field.
    void Show(tk::TForm& form, tk::TApplication& application) override;
    // The message loop, until the main window closes.
    void Run() override;
    // The standard error box, modal over the main window. Override to record.
    void ShowError(const std::string& message) override;
    // The system's open and save dialogs, and a list whose field also takes a value typed
    // (ChoiceDialog.h), modal over the main window. Override to answer from a script.
    std::optional<std::string> AskOpenPath(const tk::TOpenFileQuestion& question) override;
    std::optional<std::string> AskSavePath(const tk::TSaveFileQuestion& question) override;
    std::optional<std::string> AskChoice(const tk::TChoiceQuestion& question) override;
    // Hands a web address to the user's browser; throws tk::Exception, whose message gives
    // the address, when none opens it.
    void OpenURL(const std::string& url) override;
    // A window beside the main one, owned by it, at its designed size in the top right
    // corner of the main window's monitor; brought to the front when it is open already.
    void ShowWindow(tk::TForm& form, tk::TApplication& application) override;
    void Changed() override;
    // A timer of no delay whose message only runs the next task kept, in order: the message
    // loop and the system's own (a dialog's, a menu's) dispatch it alike.
    void Later(std::function<void()> task) override;

    // The main window and the window that realises one of its controls (the main form's or
    // a window's beside it); nullptr before Show, or for a control of no shown form.
    HWND Window() const;
    // The window of a form shown beside the main one; nullptr when none shows it.
    FormWindow* WindowOf(const tk::TForm& form) const;
    HWND HandleOf(const tk::TControl& control) const;
    FormWindow* Form() const { return windows_.Main(); }

  protected:
    // Asks the system to open the address; false when nothing could.
    virtual bool Browse(const std::wstring& url);

  private:
    std::string program_;
    HANDLE font_ = nullptr; // the controls' face, where this process added it
    tk::TFormWindows<FormWindow> windows_;
    // Closed by the user, kept until their close has returned.
    std::vector<std::unique_ptr<FormWindow>> closed_;
};

} // namespace tkwin
