// The chart's smooth picture on a desktop scaled by a fractional factor, made once after
// each handler that changed the canvas (and for the first frame). Qt's scaling costs the
// same whatever is drawn, so the canvas here is a plain one of zmatch's size.
#include "toolkit/qt/SmoothPicture.h"

#include <benchmark/benchmark.h>

namespace {

void SmoothPicture(benchmark::State& state, qreal ratio) {
    QImage canvas(807, 689, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    for (auto _ : state)
        benchmark::DoNotOptimize(tkqt::SmoothPicture(canvas, ratio));
}

BENCHMARK_CAPTURE(SmoothPicture, 1.25, 1.25)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 1.5, 1.5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 1.75, 1.75)->Unit(benchmark::kMillisecond);

} // namespace
