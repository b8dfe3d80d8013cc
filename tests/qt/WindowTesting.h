// Checks shared by the two programs' window tests: the controls against the designed
// table, the walk of the Tab key, the picture against a headless twin, and the program
// run as a child process until its window is closed.
#pragma once

#include "tests/qt/WindowDriver.h"

#include "chart/ResultsText.h"
#include "toolkit/qt/ImageWidget.h"
#include "toolkit/qt/LinkWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace windowtesting {

using K = tk::TControlKind;

inline const char* KindName(K kind) {
    switch (kind) {
    case K::Image:
        return "image";
    case K::Label:
        return "label";
    case K::Edit:
        return "edit";
    case K::Button:
        return "button";
    case K::GroupBox:
        return "group box";
    case K::RadioButton:
        return "radio button";
    case K::CheckBox:
        return "check box";
    case K::RowList:
        return "row list";
    case K::SliderValue:
        return "slider";
    }
    return "?";
}

// The widget class the binding realises a control of that kind with.
inline bool IsRealisedAs(const QWidget* w, K kind) {
    switch (kind) {
    case K::Image:
        return dynamic_cast<const tkqt::ImageWidget*>(w) != nullptr;
    case K::Label:
        return qobject_cast<const QLabel*>(w) != nullptr;
    case K::Edit:
        return qobject_cast<const QLineEdit*>(w) != nullptr;
    case K::Button:
        return qobject_cast<const QPushButton*>(w) != nullptr;
    case K::GroupBox:
        return qobject_cast<const QGroupBox*>(w) != nullptr;
    case K::RadioButton:
        return qobject_cast<const QRadioButton*>(w) != nullptr;
    case K::CheckBox:
        return qobject_cast<const QCheckBox*>(w) != nullptr;
    case K::RowList:
        return qobject_cast<const QTreeWidget*>(w) != nullptr;
    case K::SliderValue:
        return w && w->findChild<const QSlider*>() != nullptr;
    }
    return false;
}

// Every control of the window's description, and nothing else, stands where it was
// designed, is of its kind, says what it was designed to say and starts checked or not as
// designed. Labels size themselves to their text, so only their place is compared.
template <class TF>
void ExpectAsDesigned(const driver::ProgramWindow<TF>& w, const tk::TFormDesc& design) {
    EXPECT_EQ(w.host.Window()->windowTitle().toStdString(), design.Caption);
    EXPECT_EQ(w.form->Controls().size(), design.Controls.size());
    for (const tk::TControlDesc& d : design.Controls) {
        SCOPED_TRACE(d.Name);
        QWidget* widget = w.Widget(d.Name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(IsRealisedAs(widget, d.Kind))
            << "a " << KindName(d.Kind) << " shown as " << widget->metaObject()->className();
        EXPECT_EQ(widget->parentWidget(), d.Parent ? w.Widget(d.Parent) : w.host.Window());
        if (d.Kind == K::Label) {
            EXPECT_EQ(widget->pos(), QPoint(d.Left, d.Top));
        } else {
            EXPECT_EQ(widget->geometry(), QRect(d.Left, d.Top, d.Width, d.Height));
        }
        if (d.Kind != K::Image) {
            EXPECT_EQ(driver::Shown(widget), d.Caption);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_EQ(button->isChecked(), d.Checked);
        }
    }
}

// A label sizes itself to its text in the window's face, which may be wider than the box it
// was designed in: what runs beyond that box must not run under a neighbouring control,
// where that control would hide it («Расстояние l =» under the field of l).
template <class TF>
void ExpectCaptionsClearOfNeighbours(const driver::ProgramWindow<TF>& w,
                                     const tk::TFormDesc& design) {
    for (const tk::TControlDesc& d : design.Controls) {
        if (d.Kind != K::Label) continue;
        const QWidget* label = w.Widget(d.Name);
        ASSERT_NE(label, nullptr);
        const QRect beyond(d.Left + d.Width, d.Top, label->width() - d.Width, label->height());
        if (beyond.isEmpty()) continue;
        for (const tk::TControlDesc& other : design.Controls) {
            if (&other == &d || other.Parent != d.Parent) continue;
            EXPECT_FALSE(beyond.intersects(QRect(other.Left, other.Top, other.Width, other.Height)))
                << d.Name << " «" << d.Caption << "» is " << label->width() << " px for a box of "
                << d.Width << " and runs under " << other.Name;
        }
    }
}

// The controls the focus visits pressing Tab `count` times from `start`.
template <class TF>
std::vector<std::string> TabWalk(const driver::ProgramWindow<TF>& w, const char* start, int count) {
    w.Widget(start)->setFocus(Qt::OtherFocusReason);
    std::vector<std::string> visited{w.Focused()};
    for (int i = 0; i < count; ++i) {
        driver::PressTab();
        visited.push_back(w.Focused());
    }
    return visited;
}

// Where the window's own picture of the chart first differs from the canvas, or "" when it
// shows the canvas unchanged at the picture control's place. Only what the window shows
// counts: the part a maximised window cuts off on a small screen, and whatever the other
// controls cover, are left out.
template <class TF> std::string ChartInWindowDiffers(const driver::ProgramWindow<TF>& w) {
    const tk::TImage& image = *w.form->template Get<tk::TImage>("Image1");
    const QImage canvas = driver::ImageOf(image.Canvas);
    const QImage window = driver::OnScreen(w.host.Window());
    const QPoint at(image.Left, image.Top);
    QRegion shown = QRegion(QRect(at, canvas.size())) & window.rect();
    for (const auto& c : w.form->Controls())
        if (c.get() != &image && !c->Parent) shown -= w.Widget(c->Name)->geometry();
    for (const QRect& r : shown)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (driver::ColorAt(window, x, y) !=
                    driver::ColorAt(canvas, x - at.x(), y - at.y()))
                    return "window pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "";
}

// The same window without a screen: the program's own form on a chart state of its own,
// its handlers called directly. What the real window shows must be what this computes.
template <class TF> struct Twin {
    Twin() { form.FormCreate(&form); }

    chart::TChartState state;
    TF form{state};
};

// Each label of a form as "name: caption", as its control holds it.
template <class TF> std::vector<std::string> Captions(const TF& form) {
    std::vector<std::string> out;
    for (const auto& c : form.Controls())
        if (auto* label = dynamic_cast<const tk::TLabel*>(c.get()))
            out.push_back(label->Name + ": " + label->Caption);
    return out;
}

// Each label as the window shows it, written the same way.
template <class TF> std::vector<std::string> ShownCaptions(const driver::ProgramWindow<TF>& w) {
    std::vector<std::string> out;
    for (const auto& c : w.form->Controls())
        if (c->Kind == K::Label) out.push_back(c->Name + ": " + driver::Shown(w.Widget(c->Name)));
    return out;
}

struct Ending {
    bool finished = false; // on its own, once its window was closed
    bool crashed = false;
    int status = -1;
    std::string closed; // what the closer reported closing
};

// Runs the built program as a child process on the offscreen platform, with the test's
// window closer loaded into it: as soon as the program's message loop runs, the closer
// asks every visible top-level window to close through the window system, as a window
// manager does when the user clicks the close button, and reports what it closed.
inline Ending RunUntilClosed(const char* program, const QStringList& arguments) {
    int argc = 1;
    char name[] = "window_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication core(argc, argv); // QProcess wants one

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_PLUGIN_PATH", WINDOW_CLOSER_DIR);
    env.insert("QT_QPA_GENERIC_PLUGINS", "windowcloser");
    // No icon theme to be found, whatever is installed: the icon is the program's own.
    env.insert("XDG_DATA_DIRS", WINDOW_CLOSER_DIR);
    env.insert("XDG_DATA_HOME", WINDOW_CLOSER_DIR);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);

    Ending ending;
    // Only a safety net: a program that does not end when closed must not hang the suite.
    ending.finished = process.waitForFinished(120'000);
    if (!ending.finished) {
        process.kill();
        process.waitForFinished();
    }
    ending.crashed = process.exitStatus() == QProcess::CrashExit;
    ending.status = process.exitCode();
    for (const QByteArray& line : process.readAllStandardError().split('\n'))
        if (line.startsWith("windowcloser: ")) ending.closed += line.mid(14).toStdString() + "\n";
    return ending;
}

// Closing the built program's window ends it with status 0, with or without Qt's own
// options, which reach Qt. Its windows carry the program's menu entry and its own drawn
// icon, there being no icon theme.
inline void ExpectClosingEndsWithZero(const char* program) {
    const std::string entry = "ru.zchart." + QFileInfo(program).fileName().toStdString();
    struct Case {
        QStringList arguments;
        std::string application;
    };
    const Case cases[] = {
        {{}, "application " + entry + ", icon 256, style fusion, left to right\n"},
        {{"-style", "Windows", "-reverse"},
         "application " + entry + ", icon 256, style windows, right to left\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Ending ending = RunUntilClosed(program, c.arguments);
        EXPECT_TRUE(ending.finished);
        EXPECT_FALSE(ending.crashed);
        EXPECT_EQ(ending.status, 0);
        EXPECT_EQ(ending.closed, c.application + "QWidget \"Диаграмма сопротивлений\" maximised\n");
    }
}

// The link label is blue with a hand cursor and stays inside its designed box, off the
// chart: a longer address is cut short there, whole in its tooltip, even after a handler
// has run, and never among the results copied. A click asks the desktop to open `url`.
template <class Window> void ExpectLinkOpens(Window& w, QWidget* link, const std::string& url) {
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    const tk::TLabel& label = *w.form->Label13;
    const tk::TImage& image = *w.form->Image1;
    EXPECT_EQ(link->x(), label.Left);
    EXPECT_LE(link->geometry().right(), label.Left + label.Width - 1);
    EXPECT_LT(link->geometry().right(), image.Left);
    const auto* linkWidget = dynamic_cast<const tkqt::LinkWidget*>(link);
    ASSERT_NE(linkWidget, nullptr) << "a link shown as a plain label";
    const QString shown = linkWidget->ShownText();
    EXPECT_LE(link->fontMetrics().horizontalAdvance(shown), link->width());
    QString start = shown; // without its ellipsis, "…" or "..."
    while (start.endsWith(QChar(0x2026)) || start.endsWith(QLatin1Char('.')))
        start.chop(1);
    EXPECT_TRUE(QString::fromStdString(url).startsWith(start)) << shown.toStdString();
    EXPECT_LT(start.size(), QString::fromStdString(url).size());

    driver::TypeOver(w.Widget("Edit1"), "100");
    driver::TypeOver(w.Widget("Edit2"), "50");
    driver::TypeOver(w.Widget("Edit3"), "50");
    driver::Press(w.Widget("Button1"));
    EXPECT_EQ(link->toolTip().toStdString(), url);
    const std::string results = chart::ResultsText(*w.form);
    EXPECT_FALSE(results.empty());
    EXPECT_EQ(results.find(url), std::string::npos) << results;

    driver::Press(link);
    EXPECT_EQ(w.host.Urls, std::vector<std::string>{url});
}

// «Нагрузка из файла…» in the chart's menu, and Ctrl+O asking for the file even from a
// field. A file that does not read goes to the error box, the field as it was; a point
// chosen shows in the fields, its origin in their tooltips.
template <class TF> void ExpectLoadFromFileRow(driver::ProgramWindow<TF>& w) {
    QAction* row = nullptr;
    for (QAction* action : w.Widget("Image1")->actions())
        if (action->text() == "Нагрузка из файла…") row = action;
    ASSERT_TRUE(row);
    EXPECT_EQ(row->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    ASSERT_TRUE(w.Activate());
    QTest::keyClick(w.Widget("Edit1"), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(w.host.Script.Asked, std::vector<std::string>{"Нагрузка из файла"});

    const QString folder = QDir::temp().filePath("zchart_load_from_file");
    QDir().mkpath(folder);
    const std::string missing = QDir(folder).filePath("missing.s1p").toStdString();
    const std::string one = QDir(folder).filePath("one.s1p").toStdString();
    std::ofstream(one) << "# GHz S RI R 50\n1 0.2 0.4\n"; // 50+j50 Ом
    const std::string typed = driver::Shown(w.Widget("Edit1"));
    w.host.Script.Answers = {missing};
    row->trigger();
    EXPECT_EQ(w.host.Errors.size(), 1u);
    EXPECT_EQ(driver::Shown(w.Widget("Edit1")), typed);

    w.host.Script.Answers = {one, "1 ГГц: 50,0 + j50,0 Ом"};
    row->trigger();
    EXPECT_EQ(w.host.Errors.size(), 1u);
    EXPECT_EQ(driver::Shown(w.Widget("Edit1")), "50");
    EXPECT_EQ(driver::Shown(w.Widget("Edit2")), "50");
    EXPECT_EQ(w.Widget("Edit2")->toolTip().toStdString(),
              "Zн из файла «one.s1p» на 1 ГГц: 50,0 + j50,0 Ом");
}

// The client area set to `client`, once the window has taken that size.
inline bool ResizeClient(QWidget* window, QSize client) {
    window->showNormal();
    window->resize(client);
    return QTest::qWaitFor([&] { return window->size() == client; });
}

// Whether the window shows a dark pixel within a pixel of (x, y): where a shrunk picture
// puts a black one-pixel line, it is at least half dark.
inline bool DarkNear(const QImage& shot, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (shot.rect().contains(x + dx, y + dy) && qGreen(shot.pixel(x + dx, y + dy)) < 128)
                return true;
    return false;
}

// In a client area smaller than designed, the whole chart stays in the window, shrunk with
// its aspect kept (its rim's four outermost points are on screen), every control but the
// link stands where it was designed, and the link stays in the window, clear of every other
// control, and still opens `url`.
template <class TF>
void ExpectFitsInto(driver::ProgramWindow<TF>& w, QSize client, const std::string& url) {
    SCOPED_TRACE(std::to_string(client.width()) + " x " + std::to_string(client.height()));
    QWidget* window = w.host.Window();
    ASSERT_TRUE(ResizeClient(window, client));
    const tk::TImage& image = *w.form->template Get<tk::TImage>("Image1");
    const QRect picture = w.Widget("Image1")->geometry();
    EXPECT_TRUE(window->rect().contains(picture));
    EXPECT_EQ(picture.topLeft(), QPoint(image.Left, image.Top));
    EXPECT_LE(std::abs(picture.width() * image.Height - picture.height() * image.Width),
              image.Width); // aspect kept to within a pixel
    const double scale = double(picture.height()) / image.Height;
    const QImage shot = driver::OnScreen(window);
    for (const QPoint rim : {QPoint(400, 50), QPoint(400, 649), QPoint(100, 350), QPoint(699, 350)})
        EXPECT_TRUE(DarkNear(shot, picture.left() + int(rim.x() * scale),
                             picture.top() + int(rim.y() * scale)))
            << "rim at " << rim.x() << ", " << rim.y();

    QWidget* link = nullptr;
    for (const auto& c : w.form->Controls()) {
        if (c.get() == &image || c->Parent) continue;
        if (c->Cursor == tk::TCursor::crHandPoint) {
            link = w.Widget(c->Name);
            continue;
        }
        EXPECT_EQ(w.Widget(c->Name)->pos(), QPoint(c->Left, c->Top)) << c->Name;
    }
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(window->rect().contains(link->geometry()));
    for (const auto& c : w.form->Controls()) {
        if (c->Parent || w.Widget(c->Name) == link) continue;
        EXPECT_FALSE(w.Widget(c->Name)->geometry().intersects(link->geometry())) << c->Name;
    }
    const std::size_t opened = w.host.Urls.size();
    driver::Press(link);
    ASSERT_EQ(w.host.Urls.size(), opened + 1);
    EXPECT_EQ(w.host.Urls.back(), url);
}

// Where students' laptops leave less room than designed: 1280 × 720 with a panel, a short
// window, and a small one.
inline const QSize kSmallClientAreas[] = {{1280, 671}, {1016, 600}, {800, 600}};

} // namespace windowtesting
