// The readout following the pointer over the chart, in the window (offscreen here): one
// pointer move as the picture widget gets it (the readout's text asked for, the box
// rewritten, sized and moved beside the pointer) and the box painted, with a readout of the
// chart's six lines. The picture itself must not be painted again: a paint of it fails the
// benchmark. Beside it, the whole picture painted, which is what a move would cost if it
// had the chart repainted. The readings and the text alone: ReadoutBench.cpp.
#include "bench/NoHost.h"
#include "bench/Replay.h"
#include "toolkit/Application.h"
#include "toolkit/qt/ImageWidget.h"
#include "toolkit/qt/ReadoutLabel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using bench::NoHost;

class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++Paints;
        return false;
    }
    int Paints = 0;
};

// Six lines as long as the chart's, the numbers changing with the pixel.
std::string Readout(tk::TPoint p) {
    const std::string x = std::to_string(p.X), y = std::to_string(p.Y);
    return "z = 1," + x + " + j1," + y + "\nZ = 5" + x + ",0 + j5" + y + ",0 Ом\ny = 0," + x +
           " − j0," + y + "\n|Г| = 0," + x + "  ∠ 63," + y + "°\nКСВ = 2," + x + "   КБВ = 0," + y +
           "\n0," + x + " λ к генератору, 0," + y + " λ к нагрузке";
}

void ReadoutRepaint(benchmark::State& state) {
    bench::StartGui();
    NoHost host;
    tk::TApplication application(host);
    tk::TImage image({tk::TControlKind::Image, "Image1", nullptr, 200, 8, 807, 689, "", -1},
                     nullptr);
    image.OnReadout = Readout;
    QWidget window;
    window.resize(1016, 734);
    tkqt::ImageWidget picture(image, application, &window);
    picture.setGeometry(200, 8, 807, 689);
    window.show();
    QApplication::processEvents();
    tkqt::ReadoutLabel& readout = picture.Readout();
    PaintCounter counter;
    picture.installEventFilter(&counter);

    int step = 0;
    for (auto _ : state) {
        const QPointF at(300 + step % 200, 200 + step % 150);
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, picture.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&picture, &move);
        readout.repaint();
    }
    QApplication::processEvents();
    if (counter.Paints != 0) state.SkipWithError("the picture was painted again");
}

void PictureRepaint(benchmark::State& state) {
    bench::StartGui();
    NoHost host;
    tk::TApplication application(host);
    tk::TImage image({tk::TControlKind::Image, "Image1", nullptr, 200, 8, 807, 689, "", -1},
                     nullptr);
    QWidget window;
    window.resize(1016, 734);
    tkqt::ImageWidget picture(image, application, &window);
    picture.setGeometry(200, 8, 807, 689);
    window.show();
    QApplication::processEvents();
    for (auto _ : state)
        picture.repaint();
}

BENCHMARK(ReadoutRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(PictureRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
