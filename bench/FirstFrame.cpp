// Linked into a program's own unchanged main(), this ends the program as soon as its
// picture has been painted for the first time, and writes that moment (the steady clock,
// in nanoseconds) on standard output: the start-up benchmark times the program's launch to
// its first frame from it. Nothing of the program's start-up path is changed; the watch
// is set up by Qt itself while the application object is being built.
#include "bench/ReportFirstFrame.h"

#include "toolkit/qt/ImageWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>

namespace {

class FirstPaint : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint &&
            dynamic_cast<tkqt::ImageWidget*>(watched) != nullptr) {
            seen_ = true;
            // Queued, so the moment is taken once the paint event and the flush of the
            // window that follows it are over.
            QMetaObject::invokeMethod(this, &ReportFirstFrameAndQuit, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    bool seen_ = false;
};

void WatchForFirstPaint() {
    QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForFirstPaint)
