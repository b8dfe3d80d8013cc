// Drives a program's real main window as its user does: the form is the program's own,
// shown through the Qt binding exactly as the program shows it; fields are typed into
// with key events, buttons pressed with the mouse, and results read back off the widgets.
// No test framework here: the screenshot tools drive the windows the same way.
#pragma once

#include "chart/ChartState.h"
#include "tests/common/ScopedDecimalSeparator.h"
#include "tests/common/ScriptedAnswers.h"
#include "tests/qt/OffscreenDesktop.h"
#include "toolkit/Application.h"
#include "toolkit/Conversions.h"
#include "toolkit/qt/QtHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QtGlobal>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

// Records error boxes and opened addresses instead of showing or opening them, and answers
// the modal questions from a script: a modal box would wait for a click that never comes.
class RecordingHost : public tkqt::QtHost {
  public:
    using QtHost::QtHost;
    void ShowError(const std::string& message) override { Errors.push_back(message); }
    std::optional<std::string> AskOpenPath(const tk::TOpenFileQuestion& q) override {
        return Script.Open(q);
    }
    std::optional<std::string> AskChoice(const tk::TChoiceQuestion& q) override {
        return Script.Choose(q);
    }
    void OpenURL(const std::string& url) override { Urls.push_back(url); }

    std::vector<std::string> Errors;
    std::vector<std::string> Urls;
    testing_common::ScriptedAnswers Script;
};

// One program's main window on a chart state of its own, started as the program starts
// it: the form built, its creation event fired, the window shown maximised. Numbers are
// written with the comma of the Russian desktops the programs are made for.
template <class TF> class ProgramWindow {
  public:
    explicit ProgramWindow(const char* program) : host(program) { app.CreateForm(form, state); }

    template <class W = QWidget> W* Widget(std::string_view name) const {
        const tk::TControl* control = form->FindControl(name);
        return control ? qobject_cast<W*>(host.WidgetOf(*control)) : nullptr;
    }

    // Brings the window to the front as the desktop does when the program opens: only an
    // active window has a focus widget that Tab can move.
    bool Activate() const {
        host.Window()->activateWindow();
        return QTest::qWaitForWindowActive(host.Window());
    }

    // The control that holds the keyboard focus, or "(none)".
    std::string Focused() const {
        for (const auto& c : form->Controls())
            if (host.WidgetOf(*c) == QApplication::focusWidget()) return c->Name;
        return "(none)";
    }

    testing_common::ScopedDecimalSeparator comma{','};
    testing_qt::OffscreenDesktop platform;
    chart::TChartState state; // outlives the form, which refers to it
    RecordingHost host;
    tk::TApplication app{host};
    TF* form = nullptr;
};

// Clicks into the field, selects all it holds and types `text` over it.
inline void TypeOver(QWidget* field, const char* text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

inline void Press(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void PressTab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

// The text a widget shows: a label's or a button's caption, a field's contents, a group
// box's title; UTF-8, as the controls hold it.
inline std::string Shown(const QWidget* w) {
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (auto* edit = qobject_cast<const QLineEdit*>(w))
        text = edit->text();
    else if (auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text();
    else if (auto* box = qobject_cast<const QGroupBox*>(w))
        text = box->title();
    return text.toStdString();
}

// What a widget puts on screen, one device pixel to the pixel, as 0xffRRGGBB words.
inline QImage OnScreen(QWidget* w) {
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A canvas as an image of the same format, copied.
inline QImage ImageOf(const tk::TCanvas& canvas) {
    return QImage(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(), canvas.Height(),
                  canvas.Width() * 4, QImage::Format_RGB32)
        .copy();
}

inline tk::TColor ColorAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffffu;
}

// Where two pictures first differ, or "" when they are the same: a failure then names one
// pixel instead of dumping two bitmaps.
inline std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return "sizes " + std::to_string(a.width()) + "x" + std::to_string(a.height()) + " and " +
               std::to_string(b.width()) + "x" + std::to_string(b.height());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (ColorAt(a, x, y) != ColorAt(b, x, y))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "";
}

// Saves the window at its designed client size: a maximised window takes the size of the
// screen, which is no one's in particular.
inline bool SaveWindow(QWidget* window, const QString& path) {
    window->showNormal();
    QCoreApplication::processEvents();
    return window->grab().save(path, "PNG");
}

} // namespace driver
