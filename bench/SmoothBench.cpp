// The chart's picture scaled by area, as a scaled desktop or a small window shows it: the
// whole 807 × 689 canvas at each factor, in bands as the picture control paints it. The
// weights are worked out once per size, outside the loop, as the control keeps them.
#include "toolkit/qt/SmoothPicture.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void SmoothPicture(benchmark::State& state, double factor) {
    QImage canvas(807, 689, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    const QSize target(int(std::lround(807 * factor)), int(std::lround(689 * factor)));
    tkqt::SmoothPicture smooth(canvas.size(), target);
    QImage band(target.width(), 32, QImage::Format_RGB32);
    for (auto _ : state) {
        for (int y = 0; y < target.height(); y += band.height())
            smooth.Rows(canvas, y, band);
        benchmark::DoNotOptimize(band.bits());
    }
}

BENCHMARK_CAPTURE(SmoothPicture, 0.5, 0.5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 0.75, 0.75)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 0.95, 0.95)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 1.25, 1.25)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 1.5, 1.5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 1.75, 1.75)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 2, 2.0)->Unit(benchmark::kMillisecond);

} // namespace
