#include "tests/qt/TestForm.h"
#include "toolkit/Contrast.h"
#include "toolkit/Font.h"
#include "toolkit/qt/ImageWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

#include <memory>
#include <optional>

namespace testform {
namespace {

using WindowTest = FormTest;

TEST_F(WindowTest, OpensMaximisedWithDesignedTitleAndClientArea) {
    QWidget* window = host.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Диаграмма сопротивлений"));
    // The designed client area is the size the window returns to when restored.
    EXPECT_EQ(window->normalGeometry().size(), QSize(1016, 734));
    EXPECT_EQ(window->palette().color(QPalette::Window), window->palette().color(QPalette::Button));
}

template <class W> bool Is(QWidget* w) {
    return dynamic_cast<W*>(w) != nullptr;
}

QString TextOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(w)) return box->title();
    return {};
}

// Every control becomes a widget of its kind, inside its parent, at its designed place and
// size (still so with the window maximised), with its designed text and state.
TEST_F(WindowTest, RealisesEachControlAsDesigned) {
    struct Expected {
        const char* name;
        bool (*kind)(QWidget*);
        bool checked;
    };
    const Expected rows[] = {
        {"Image1", Is<tkqt::ImageWidget>, false},
        {"Label1", Is<QLabel>, false},
        {"Edit1", Is<QLineEdit>, false},
        {"Edit2", Is<QLineEdit>, false},
        {"Button1", Is<QPushButton>, false},
        {"GroupBox1", Is<QGroupBox>, false},
        {"RadioButton1", Is<QRadioButton>, true},
        {"RadioButton2", Is<QRadioButton>, false},
        {"CheckBox1", Is<QCheckBox>, false},
        {"Button2", Is<QPushButton>, false},
        {"Label2", Is<QLabel>, false},
        {"Label3", Is<QLabel>, false},
    };
    ASSERT_EQ(std::size(rows), std::size(kControls));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const tk::TControlDesc& d = kControls[i];
        SCOPED_TRACE(d.Name);
        QWidget* w = Widget(rows[i].name);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(rows[i].kind(w)) << w->metaObject()->className();
        EXPECT_EQ(w->parentWidget(), d.Parent ? Widget(d.Parent) : host.Window());
        if (d.Kind == tk::TControlKind::Label) {
            EXPECT_EQ(w->pos(), QPoint(d.Left, d.Top));
            EXPECT_EQ(w->size(), w->sizeHint()); // sized to its text
        } else {
            EXPECT_EQ(w->geometry(), QRect(d.Left, d.Top, d.Width, d.Height));
        }
        EXPECT_EQ(TextOf(w), QString::fromUtf8(d.Caption));
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_EQ(button->isChecked(), rows[i].checked);
        }
    }
}

// The layout was designed in Tahoma 8 pt at 96 dpi: every control gets it in pixels, so
// the screen's dpi setting cannot move anything. Wine's copy stands in for the system's.
TEST_F(WindowTest, UsesTahomaInPixels) {
    const bool haveTahoma = QFile::exists(tk::kTahomaFile);
    for (const tk::TControlDesc& d : kControls) {
        SCOPED_TRACE(d.Name);
        const QFont font = Widget(d.Name)->font();
        EXPECT_EQ(font.pixelSize(), 11);
        if (haveTahoma) {
            EXPECT_EQ(QFontInfo(font).family(), "Tahoma");
        }
    }
}

// Text sits where the layout's designer saw it: a label is one designed line (13 pixels)
// tall, and the blanks that make room for an edit box end before the next one.
TEST_F(WindowTest, LabelsKeepDesignedTextCells) {
    if (!QFile::exists(tk::kTahomaFile)) GTEST_SKIP() << "no Tahoma";
    for (const tk::TControlDesc& d : kControls) {
        if (d.Kind == tk::TControlKind::Label) {
            EXPECT_EQ(Widget(d.Name)->height(), 13) << d.Name;
        }
    }
    EXPECT_LT(Widget("Label1")->geometry().right(), Widget("Edit2")->x());
}

TEST_F(WindowTest, LinkLabelIsBlueWithHandCursor) {
    QWidget* link = Widget("Label3");
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QWidget* plain = Widget("Label2");
    EXPECT_NE(plain->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(plain->cursor().shape(), Qt::ArrowCursor);
}

// On a dark theme the designed blue cannot be read: the link takes a colour that can, and
// gets its blue back on a light one.
TEST_F(WindowTest, LinkStaysReadableOnADarkPalette) {
    QWidget* window = host.Window();
    QWidget* link = Widget("Label3");
    const QPalette light = window->palette();
    auto contrast = [&] {
        const QColor text = link->palette().color(QPalette::WindowText);
        const QColor back = link->palette().color(QPalette::Window);
        return tk::ContrastRatio(tk::RGB(text.red(), text.green(), text.blue()),
                                 tk::RGB(back.red(), back.green(), back.blue()));
    };
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0, 0, 255)); // a theme that leaves links blue
    window->setPalette(dark);
    EXPECT_NE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_GE(contrast(), tk::kReadableContrast);

    window->setPalette(light);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

// Under a Russian locale Qt's own texts are Russian: an edit field's menu, the buttons of a
// message box. Skipped where Qt's Russian translation is not installed.
class RussianWindowTest : public ::testing::Test {
  protected:
    struct RussianLocale {
        RussianLocale() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
        ~RussianLocale() { QLocale::setDefault(previous); }
        QLocale previous;
    };

    RussianWindowTest() { app.CreateForm(form); }

    RussianLocale locale; // before the host, which loads Qt's texts for it
    testing_qt::OffscreenDesktop platform;
    RecordingHost host;
    tk::TApplication app{host};
    TTestForm* form = nullptr;
};

// The modal questions, answered in Qt's own dialogs once they are up: the file chosen in
// the open dialog; the text typed over the list's item, the item itself, or nothing on
// Cancel.
TEST_F(WindowTest, QuestionsReturnWhatTheUserGave) {
    const QString path = QDir::temp().filePath("question.s1p");
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own is protected
    });
    EXPECT_EQ(host.QtHost::AskOpenPath({"Открыть", "Файлы Touchstone (*.s1p *.s2p)"}),
              path.toStdString());

    struct Row {
        const char* typed; // nullptr: the item as selected
        bool accept;
        std::optional<std::string> answer;
    };
    const Row rows[] = {
        {"1,45 ГГц", true, "1,45 ГГц"},
        {nullptr, true, "2 ГГц: 100"},
        {"1,45 ГГц", false, std::nullopt},
    };
    for (const Row& r : rows) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            if (r.typed) dialog->setTextValue(QString::fromUtf8(r.typed));
            r.accept ? dialog->accept() : dialog->reject();
        });
        EXPECT_EQ(host.QtHost::AskChoice({"Частота", "Частота:", {"1 ГГц: 50", "2 ГГц: 100"}, 1}),
                  r.answer);
    }
}

// A text saved through Qt's save dialog: written whole where the user said, a Cyrillic name
// kept; nothing written on Cancel.
TEST_F(WindowTest, SaveTextWritesWhereTheUserSaid) {
    const QString path = QDir::temp().filePath(QString::fromUtf8("цепь-сохранена.chain"));
    QFile::remove(path);
    const std::string text = "impedance 50\nseries L X 30\n";
    for (const bool accept : {false, true}) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            dialog->selectFile(path);
            accept ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
        });
        EXPECT_EQ(host.SaveText({"Сохранить цепь", "Файлы цепи (*.chain)", "цепь.chain"}, text),
                  accept);
        EXPECT_EQ(QFile::exists(path), accept);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), text);
    file.remove();
}

TEST_F(RussianWindowTest, QtsOwnTextsAreRussian) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm"))
        GTEST_SKIP() << "Qt's Russian translation (qt6-translations-l10n) is not installed";
    auto* edit = qobject_cast<QLineEdit*>(host.WidgetOf(*form->FindControl("Edit1")));
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) texts << action->text();
    QMessageBox box(QMessageBox::Question, "", "",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    for (const QAbstractButton* button : box.buttons())
        texts << button->text();
    ASSERT_EQ(texts.size(), 10); // undo, redo, cut, copy, paste, delete, select all; 3 buttons
    static const QRegularExpression cyrillic(QStringLiteral("[А-Яа-я]"));
    for (const QString& text : texts)
        EXPECT_TRUE(text.contains(cyrillic)) << text.toStdString();
}

} // namespace
} // namespace testform
