// The window system for the toolkit's application object: Qt Widgets. A program builds one
// host, hands it to its TApplication, and the host realises the main form as a window.
//
//     int main() {
//         tkqt::QtHost host("zmatch");
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

#include <memory>
#include <string>

class QApplication;
class QWidget;

namespace tkqt {

class FormWindow;
class FontMap;

class QtHost : public tk::THost {
  public:
    // Starts Qt with `program` as the whole command line, so the process's own arguments
    // never reach Qt's option parsing. Reuses a QApplication that already exists.
    explicit QtHost(std::string program = "zchart");
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    void Show(tk::TForm& form, tk::TApplication& application) override;
    void Run() override;
    // The standard critical message box, modal over the main window. Override to record.
    void ShowError(const std::string& message) override;
    void OpenURL(const std::string& url) override;
    void Changed() override;

    // The main window, and the widget that realises one of its controls; nullptr before
    // Show, or for a control of another form.
    QWidget* Window() const;
    QWidget* WidgetOf(const tk::TControl& control) const;

  private:
    // QApplication keeps references to argc and argv, and the window must go before the
    // QApplication it lives in: the members' order is their lifetimes'.
    int argc_ = 1;
    std::string program_;
    char* argv_[2];
    std::unique_ptr<QApplication> qapp_;
    std::unique_ptr<FontMap> fonts_;
    std::unique_ptr<FormWindow> window_;
};

} // namespace tkqt
