// The main window: one widget for each control of a form, kept in step with the controls,
// each at its designed place; in a client area smaller than designed, placed as FitLayout
// says. Widget events reach the controls only through the application object, so a handler
// that throws ends in the error box, never in Qt's event loop.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/FitLayout.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace tkqt {

class ControlBinding;
class FontMap;

class FormWindow : public QWidget {
  public:
    FormWindow(tk::TForm& form, tk::TApplication& application, const FontMap& fonts);
    ~FormWindow() override;

    // After a handler: every widget shows what its control now holds.
    void Refresh();

    QWidget* WidgetOf(const tk::TControl& control) const;
    const tk::TForm& Form() const { return form_; }
    // Runs once the user has closed the window (a window beside the main one); the window
    // is still whole, so the call must not destroy it there and then.
    std::function<void()> OnClosed;
    // Where the focus starts: the first stop in tab order, or nullptr.
    QWidget* FirstTabStop() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The arrows of a form that takes them (TForm::OnArrowKey), from any of its controls
    // but a field.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    tk::TForm& form_;
    tk::TApplication& application_;
    tk::FitLayout fit_;
    std::vector<std::unique_ptr<ControlBinding>> bindings_;
    std::vector<tk::TControl*> tabSequence_;
};

} // namespace tkqt
