#include "toolkit/qt/QtHost.h"

#include "toolkit/qt/DrawnIcon.h"
#include "toolkit/qt/Fonts.h"
#include "toolkit/qt/FormWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QIcon>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <algorithm>

namespace tkqt {

QtHost::QtHost(std::string program, std::vector<std::string> qtOptions) {
    arguments_.push_back(std::move(program));
    for (std::string& option : qtOptions)
        arguments_.push_back(std::move(option));
    for (std::string& argument : arguments_)
        argv_.push_back(argument.data());
    argc_ = int(argv_.size());
    argv_.push_back(nullptr);
    if (!QApplication::instance()) {
        qapp_ = std::make_unique<QApplication>(argc_, argv_.data());
        // Qt's own words (the file dialog, an edit field's menu, the error box's button) in
        // the user's language: qtbase_ru.qm for a Russian desktop. Without the file, or for
        // a language Qt has no translation for, they stay English.
        qtTexts_ = std::make_unique<QTranslator>();
        if (qtTexts_->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTexts_.get());
    }
    fonts_ = std::make_unique<FontMap>();
}

QtHost::~QtHost() = default;

void QtHost::Identify(const std::string& desktopId, const std::string& icon,
                      const tk::TIconArt& fallback) {
    // The menu entry's name becomes the window's app id under Wayland; under X11 docks
    // match the window's class ("zmatch", the executable's name) against the entry's
    // StartupWMClass. The icon is every window's (_NET_WM_ICON), the error box's included.
    QGuiApplication::setDesktopFileName(QString::fromStdString(desktopId));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QString::fromStdString(icon), DrawnIcon(fallback)));
}

void QtHost::Show(tk::TForm& form, tk::TApplication& application) {
    FormWindow& window = windows_.SetMain(std::make_unique<FormWindow>(form, application, *fonts_));
    window.showMaximized();
    if (QWidget* first = window.FirstTabStop()) first->setFocus();
}

void QtHost::Run() {
    if (windows_.Main()) QApplication::exec();
}

void QtHost::ShowError(const std::string& message) {
    const QString title =
        windows_.Main() ? windows_.Main()->windowTitle() : QApplication::applicationName();
    QMessageBox box(QMessageBox::Critical, title, QString::fromStdString(message), QMessageBox::Ok,
                    windows_.Main());
    // The message can be selected and copied: an address in it, for one.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

std::optional<std::string> QtHost::AskOpenPath(const tk::TOpenFileQuestion& question) {
    const QString path =
        QFileDialog::getOpenFileName(windows_.Main(), QString::fromStdString(question.Title),
                                     QString(), QString::fromStdString(question.Filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtHost::AskSavePath(const tk::TSaveFileQuestion& question) {
    const QString path = QFileDialog::getSaveFileName(
        windows_.Main(), QString::fromStdString(question.Title),
        QString::fromStdString(question.Name), QString::fromStdString(question.Filter));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

std::optional<std::string> QtHost::AskChoice(const tk::TChoiceQuestion& question) {
    QStringList items;
    for (const std::string& item : question.Items)
        items.push_back(QString::fromStdString(item));
    bool accepted = false;
    const QString text = QInputDialog::getItem(
        windows_.Main(), QString::fromStdString(question.Title),
        QString::fromStdString(question.Prompt), items, int(question.Selected), true, &accepted);
    if (!accepted) return std::nullopt;
    return text.toStdString();
}

void QtHost::OpenURL(const std::string& url) {
    const QString address = QString::fromUtf8(url.data(), qsizetype(url.size()));
    if (!Browse(QUrl(address)))
        throw tk::Exception("Не удалось открыть страницу: не нашлось программы, которая "
                            "открывает веб-страницы.\nАдрес страницы:\n" +
                            url);
}

bool QtHost::Browse(const QUrl& url) {
    // Handed to the desktop as a URL, never through a shell: the address cannot become a
    // command.
    return QDesktopServices::openUrl(url);
}

void QtHost::ShowWindow(tk::TForm& form, tk::TApplication& application) {
    if (QWidget* open = WindowOf(form)) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto window = std::make_unique<FormWindow>(form, application, *fonts_);
    // A child of the main window: above it, and not one the program waits for when the main
    // window closes.
    if (windows_.Main()) window->setParent(windows_.Main(), Qt::Window);
    // Within the screen's free area, the title bar's height left for the window manager's
    // frame: a window larger than the screen would have its edges cut off where the form
    // would otherwise shrink its picture to fit.
    const QScreen* screen =
        windows_.Main() ? windows_.Main()->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen->availableGeometry();
    const int frame = 2 * window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    window->resize(window->size().boundedTo(room.size() - QSize(frame / 2, frame)));
    window->move(std::max(room.left(), room.right() + 1 - window->width() - frame / 4), room.top());
    // Forgotten once the close is over: the window cannot be destroyed within its own event.
    window->OnClosed = [this, &form, &application] {
        QTimer::singleShot(0, qApp, [this, &form, &application] {
            windows_.Take(form);
            application.Closed(form);
        });
    };
    window->Refresh();
    window->show();
    if (QWidget* first = window->FirstTabStop()) first->setFocus();
    windows_.Add(std::move(window));
}

void QtHost::Changed() {
    windows_.RefreshAll();
}

void QtHost::Later(std::function<void()> task) {
    QTimer::singleShot(0, qapp_.get(), std::move(task));
}

QWidget* QtHost::WindowOf(const tk::TForm& form) const {
    return windows_.Of(form);
}

QWidget* QtHost::Window() const {
    return windows_.Main();
}

QWidget* QtHost::WidgetOf(const tk::TControl& control) const {
    return windows_.FindInAny([&](const FormWindow& w) { return w.WidgetOf(control); });
}

} // namespace tkqt
