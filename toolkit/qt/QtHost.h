// The window system for the toolkit's application object: Qt Widgets. A program builds one
// host, hands it to its TApplication, and the host realises the main form as a window.
//
//     int main() {
//         tkqt::QtHost host("zmatch", {"-style", "Fusion"});
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
#include "toolkit/IconArt.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QApplication;
class QTranslator;
class QUrl;
class QWidget;

namespace tkqt {

class FormWindow;
class FontMap;

class QtHost : public tk::THost {
  public:
    // Starts Qt with `program` and Qt's own options (QtOptions.h) as its command line, in
    // Qt's texts of the user's language where Qt has them. Reuses a QApplication that
    // already exists.
    explicit QtHost(std::string program = "zchart", std::vector<std::string> qtOptions = {});
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // How the desktop tells the program's windows apart: the menu entry they belong to
    // ("ru.zchart.zmatch") and the icon of that name from the icon theme, or the one built
    // into the program where the theme has none.
    void Identify(const std::string& desktopId, const std::string& icon,
                  const tk::TIconArt& fallback);

    void Show(tk::TForm& form, tk::TApplication& application) override;
    void Run() override;
    // The standard critical message box, modal over the main window. Override to record.
    void ShowError(const std::string& message) override;
    // Qt's open and save dialogs, and a list whose field also takes a value typed, modal
    // over the main window. Override to answer from a script.
    std::optional<std::string> AskOpenPath(const tk::TOpenFileQuestion& question) override;
    std::optional<std::string> AskSavePath(const tk::TSaveFileQuestion& question) override;
    std::optional<std::string> AskChoice(const tk::TChoiceQuestion& question) override;
    // Hands the address to the desktop's browser; throws tk::Exception, whose message gives
    // the address, when none opens it.
    void OpenURL(const std::string& url) override;
    // A window beside the main one, at its designed size in the top right corner of the
    // main window's screen, above the main window; raised when it is open already.
    void ShowWindow(tk::TForm& form, tk::TApplication& application) override;
    void Changed() override;
    // Qt's timer of no delay, on the QApplication's thread.
    void Later(std::function<void()> task) override;

    // The main window, and the widget that realises one of its controls (the main form's or
    // a window's beside it); nullptr before Show, or for a control of no shown form.
    QWidget* Window() const;
    // The window of a form shown beside the main one; nullptr when none shows it.
    QWidget* WindowOf(const tk::TForm& form) const;
    QWidget* WidgetOf(const tk::TControl& control) const;

  protected:
    // Asks the desktop to open the address in a browser; false when nothing could.
    virtual bool Browse(const QUrl& url);

  private:
    // QApplication keeps references to argc and argv, and the window must go before the
    // QApplication it lives in: the members' order is their lifetimes'.
    std::vector<std::string> arguments_;
    std::vector<char*> argv_;
    int argc_ = 0;
    std::unique_ptr<QApplication> qapp_;
    std::unique_ptr<QTranslator> qtTexts_;
    std::unique_ptr<FontMap> fonts_;
    tk::TFormWindows<FormWindow> windows_;
};

} // namespace tkqt
