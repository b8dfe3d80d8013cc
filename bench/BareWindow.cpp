// The start-up benchmark's reference: the least a Qt Widgets program does to show a window
// the size of the programs' own (1016 × 734), reporting its first paint and ending there
// as FirstFrame.cpp makes the programs do. Whatever the programs take beyond this is
// theirs: the controls, the fonts, the canvas, the grid.
#include "bench/ReportFirstFrame.h"

#include <QApplication>
#include <QMetaObject>
#include <QWidget>

namespace {

class Window : public QWidget {
  protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        if (painted_) return;
        painted_ = true;
        // Queued, so the moment is taken once the paint and the window's flush are over.
        QMetaObject::invokeMethod(this, &ReportFirstFrameAndQuit, Qt::QueuedConnection);
    }

  private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Window window;
    window.resize(1016, 734);
    window.show();
    return QApplication::exec();
}
