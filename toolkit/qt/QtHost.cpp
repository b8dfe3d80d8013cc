#include "toolkit/qt/QtHost.h"

#include "toolkit/qt/Fonts.h"
#include "toolkit/qt/FormWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace tkqt {

QtHost::QtHost(std::string program)
    : program_(std::move(program)), argv_{program_.data(), nullptr} {
    if (!QApplication::instance()) qapp_ = std::make_unique<QApplication>(argc_, argv_);
    fonts_ = std::make_unique<FontMap>();
}

QtHost::~QtHost() = default;

void QtHost::Show(tk::TForm& form, tk::TApplication& application) {
    window_.reset(); // one main window at a time
    window_ = std::make_unique<FormWindow>(form, application, *fonts_);
    window_->showMaximized();
    if (QWidget* first = window_->FirstTabStop()) first->setFocus();
}

void QtHost::Run() {
    if (window_) QApplication::exec();
}

void QtHost::ShowError(const std::string& message) {
    const QString title = window_ ? window_->windowTitle() : QApplication::applicationName();
    QMessageBox::critical(window_.get(), title, QString::fromStdString(message));
}

void QtHost::OpenURL(const std::string& url) {
    // Handed to the desktop as a URL, never through a shell: the address cannot become a
    // command. Whether a browser opens is not this program's concern.
    QDesktopServices::openUrl(QUrl(QString::fromUtf8(url.data(), qsizetype(url.size()))));
}

void QtHost::Changed() {
    if (window_) window_->Refresh();
}

QWidget* QtHost::Window() const {
    return window_.get();
}

QWidget* QtHost::WidgetOf(const tk::TControl& control) const {
    return window_ ? window_->WidgetOf(control) : nullptr;
}

} // namespace tkqt
