// The L-section's solve and draw for one load, as «Решить» runs them after the load's own:
// the circles, crossings and readings planned, the texts written, the construction drawn on
// the methods window's canvas. 20 + j40 on 50 ohms has all four sections; with a frequency
// the elements are written as L and C too.
#include "zmatch/methods/LSection.h"

#include "chart/LoadPoint.h"
#include "chart/StepMarks.h"
#include "toolkit/Canvas.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LSectionSolveAndDraw(benchmark::State& state) {
    const chart::TLoadPoint load = chart::PlanLoadPoint({20, 40, 50, 0, {{20, 40}, {50, 0}}});
    zmatch::methods::TMethodOptions options;
    options.Hz = state.range(0) ? 433.92e6 : 0;
    tk::TCanvas canvas(807, 689);
    for (auto _ : state) {
        const zmatch::methods::TMethodOutcome out = zmatch::methods::SolveLSection({load, options});
        chart::TStepMarks marks(canvas);
        out.Draw(canvas, marks);
        benchmark::DoNotOptimize(canvas.Bits());
    }
}
BENCHMARK(BM_LSectionSolveAndDraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
