// A Qt generic plugin that closes a program's windows as soon as its message loop runs:
// loaded into the real, unmodified program through QT_QPA_GENERIC_PLUGINS, it lets a test
// end the program the way its user does. Each visible top-level window gets the window
// system's close request, the one a window manager sends for the close button, not a
// quit or a signal. What it closes is reported on stderr, one line each, so the test sees
// which windows were open, after a line on the application itself.
#include <QApplication>
#include <QGenericPlugin>
#include <QIcon>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

// What the desktop learns of the program: its menu entry, the largest size of its windows'
// icon, and the style and direction its command line chose.
void ReportApplication() {
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    int largest = 0;
    for (const QSize& size : sizes)
        largest = std::max(largest, size.width());
    std::fprintf(stderr, "windowcloser: application %s, icon %d, style %s, %s\n",
                 QGuiApplication::desktopFileName().toUtf8().constData(), largest,
                 QApplication::style()->name().toUtf8().constData(),
                 QApplication::isRightToLeft() ? "right to left" : "left to right");
}

void CloseVisibleWindows() {
    ReportApplication();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || !w->windowHandle()) continue;
        std::fprintf(stderr, "windowcloser: %s \"%s\"%s\n", w->metaObject()->className(),
                     w->windowTitle().toUtf8().constData(), w->isMaximized() ? " maximised" : "");
        w->windowHandle()->close();
    }
}

} // namespace

class WindowCloser : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "WindowCloser.json")

  public:
    QObject* create(const QString& key, const QString&) override {
        if (key.compare(QLatin1String("windowcloser"), Qt::CaseInsensitive) != 0) return nullptr;
        // Created while the application object is built; a zero timer fires only once the
        // program's message loop (or a modal box's) runs, so the window is up by then.
        auto* closer = new QObject;
        QTimer::singleShot(0, closer, &CloseVisibleWindows);
        return closer;
    }
};

#include "WindowCloser.moc"
