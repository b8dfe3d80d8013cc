// A Qt generic plugin that closes a program's windows as soon as its message loop runs:
// loaded into the real, unmodified program through QT_QPA_GENERIC_PLUGINS, it lets a test
// end the program the way its user does. Each visible top-level window gets the window
// system's close request, the one a window manager sends for the close button, not a
// quit or a signal. What it closes is reported on stderr, one line each, so the test sees
// which windows were open.
#include <QApplication>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

void CloseVisibleWindows() {
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
