// The main window: one widget for each control of a form, kept in step with the controls.
// Widget events reach the controls only through the application object, so a handler
// that throws ends in the error box, never in Qt's event loop.
#pragma once

#include "Application.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace tkqt {

class FontMap;

class FormWindow : public QWidget {
  public:
    FormWindow(tk::TForm& form, tk::TApplication& application, const FontMap& fonts);

    // After a handler: every widget shows what its control now holds.
    void Refresh();

    const tk::TForm& Form() const { return form_; }
    QWidget* WidgetOf(const tk::TControl& control) const;
    // Where the focus starts: the first stop in tab order, or nullptr.
    QWidget* FirstTabStop() const;

  private:
    struct Binding {
        tk::TControl* control;
        QWidget* widget;
    };

    QWidget* Create(tk::TControl& control, QWidget* parent, const FontMap& fonts);
    // Runs `event` unless the widgets are only being brought in line with the controls:
    // that is no user's doing and must not feed back.
    void FromWidget(const std::function<void()>& event);
    void PullRadioGroup(const tk::TControl* parent);
    void RefreshTabStops();

    tk::TForm& form_;
    tk::TApplication& application_;
    std::vector<Binding> bindings_;
    std::vector<tk::TControl*> tabSequence_;
    bool refreshing_ = false;
};

} // namespace tkqt
