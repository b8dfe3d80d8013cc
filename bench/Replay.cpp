#include "bench/Replay.h"

#include "toolkit/CanvasLog.h"
#include "toolkit/qt/Fonts.h"

#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>

#include <sys/resource.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace bench {

std::vector<tk::TCanvasCall> Record(tk::TCanvas& canvas, const std::function<void()>& draw) {
    std::vector<tk::TCanvasCall> calls;
    std::vector<tk::TCanvasCall>* const saved = std::exchange(canvas.Log, &calls);
    draw();
    canvas.Log = saved;
    return calls;
}

// Fonts need a GUI application, widgets a widget one; the benchmarks run without a
// display. It is never destroyed: at exit Qt's own statics may already be gone.
void StartGui() {
    static int argc = 1;
    static char name[] = "zchart_bench";
    static char* argv[] = {name, nullptr};
    static const QApplication* const app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
        return new QApplication(argc, argv);
    }();
    (void)app;
}

namespace {

QColor ToQColor(tk::TColor c) {
    return QColor::fromRgb(0xFF000000u | c);
}

// What a port of the canvas to QPainter would hand Qt for each call: the same boxes and
// points, the same pens (the 18-on, 6-off dash for thin dashed pens), the canvas font.
class QtPlayer {
  public:
    QtPlayer(QImage& image, const QFont& font) : painter_(&image), metrics_(font) {
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setFont(font);
    }

    void Play(const std::vector<tk::TCanvasCall>& calls) {
        using Op = tk::TCanvasCall::TOp;
        for (const tk::TCanvasCall& c : calls) {
            if (c.Op == Op::TextOut) {
                Text(c);
                continue;
            }
            Use(c.Pen);
            Use(c.Brush);
            switch (c.Op) {
            case Op::Ellipse:
                if (const QRect box = Box(c); !box.isEmpty()) painter_.drawEllipse(box);
                break;
            case Op::Rectangle:
                if (const QRect box = Box(c); !box.isEmpty())
                    painter_.drawRect(box.adjusted(0, 0, -1, -1));
                break;
            case Op::MoveTo:
                pos_ = QPoint(c.X1, c.Y1);
                break;
            case Op::LineTo:
                painter_.drawLine(pos_, QPoint(c.X1, c.Y1));
                pos_ = QPoint(c.X1, c.Y1);
                break;
            case Op::TextOut:
                break;
            }
        }
    }

  private:
    static QRect Box(const tk::TCanvasCall& c) {
        return QRect(std::min(c.X1, c.X2), std::min(c.Y1, c.Y2), std::abs(c.X2 - c.X1),
                     std::abs(c.Y2 - c.Y1));
    }

    void Use(const tk::TPen& pen) {
        if (penSet_ && pen.Color == pen_.Color && pen.Width == pen_.Width &&
            pen.Style == pen_.Style)
            return;
        pen_ = pen;
        penSet_ = true;
        QPen q(ToQColor(pen.Color), std::max(pen.Width, 1));
        if (pen.Style == tk::TPenStyle::psDash && pen.Width <= 1) {
            q.setCapStyle(Qt::FlatCap);
            q.setDashPattern({18, 6});
        }
        painter_.setPen(q);
    }

    void Use(const tk::TBrush& brush) {
        if (brushSet_ && brush.Style == brush_.Style && brush.Color == brush_.Color) return;
        brush_ = brush;
        brushSet_ = true;
        if (brush.Style == tk::TBrushStyle::bsSolid)
            painter_.setBrush(ToQColor(brush.Color));
        else
            painter_.setBrush(Qt::NoBrush);
    }

    void Text(const tk::TCanvasCall& c) {
        const QString text = QString::fromStdString(c.Text);
        if (c.Brush.Style == tk::TBrushStyle::bsSolid)
            painter_.fillRect(c.X1, c.Y1, metrics_.horizontalAdvance(text), metrics_.height(),
                              ToQColor(c.Brush.Color));
        penSet_ = false;
        painter_.setPen(Qt::black);
        painter_.drawText(c.X1, c.Y1 + metrics_.ascent(), text);
    }

    QPainter painter_;
    QFontMetrics metrics_;
    QPoint pos_;
    tk::TPen pen_;
    tk::TBrush brush_;
    bool penSet_ = false;
    bool brushSet_ = false;
};

// The thread's own processor time, which other processes on the machine do not inflate.
double ThreadSeconds() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

void VersusQPainter(benchmark::State& state, const std::vector<tk::TCanvasCall>& calls, int width,
                    int height) {
    StartGui();
    const QFont font = tkqt::FontMap().Make(tk::TFont{});
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    tk::TCanvas canvas(width, height);
    // Both sides' glyph caches are filled before the clock starts.
    tk::Replay(canvas, calls);
    QtPlayer(image, font).Play(calls);

    // Each side runs in a loop of its own, so that neither finds the caches full of the
    // other's data: the framework times ours, then Qt's runs as long (at most 0.2 s, at least
    // three playbacks). Processor time, as the machine may be shared.
    const double oursStart = ThreadSeconds();
    for (auto _ : state) {
        tk::Replay(canvas, calls);
        benchmark::DoNotOptimize(canvas.Bits());
        benchmark::ClobberMemory();
    }
    const double ours = (ThreadSeconds() - oursStart) / double(state.iterations());

    const double qtStart = ThreadSeconds();
    std::int64_t qtRuns = 0;
    double qtElapsed = 0;
    do {
        QtPlayer(image, font).Play(calls);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
        ++qtRuns;
        qtElapsed = ThreadSeconds() - qtStart;
    } while (qtRuns < 3 || qtElapsed < std::min(0.2, ours * double(state.iterations())));
    const double qt = qtElapsed / double(qtRuns);

    state.counters["ours_ms"] = ours * 1e3;
    state.counters["qpainter_ms"] = qt * 1e3;
    state.counters["ratio"] = qt / ours;
    state.counters["calls"] = double(calls.size());
}

} // namespace bench
