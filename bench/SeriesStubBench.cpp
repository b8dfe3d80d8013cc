// The series stub in the methods window: both solutions planned on the chart's pixels with
// their exact answers, built answers and sentences, then the construction drawn over the
// chart. Each is to stay within 1 ms.
#include "chart/LoadPoint.h"
#include "chart/StepMarks.h"
#include "toolkit/Canvas.h"
#include "zmatch/methods/SeriesStub.h"

#include <benchmark/benchmark.h>

namespace {

// 100 + j80 ohms on 50, the stub's end as the argument says.
zmatch::methods::TMethodInput Input(const benchmark::State& state) {
    const chart::TLoadPoint load = chart::PlanLoadPoint({100, 80, 50, 0, {{100, 80}, {50, 0}}});
    return {load, {state.range(0) ? theory::TStubKind::Open : theory::TStubKind::Short}};
}

void BM_SeriesStubSolve(benchmark::State& state) {
    const zmatch::methods::TMethodInput in = Input(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(zmatch::methods::SolveSeriesStub(in));
}
BENCHMARK(BM_SeriesStubSolve)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SeriesStubDraw(benchmark::State& state) {
    const zmatch::methods::TMethodOutcome out = zmatch::methods::SolveSeriesStub(Input(state));
    tk::TCanvas canvas(807, 689);
    for (auto _ : state) {
        chart::TStepMarks marks(canvas);
        out.Draw(canvas, marks);
    }
    benchmark::DoNotOptimize(canvas.Bits());
}
BENCHMARK(BM_SeriesStubDraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
