// The double stub's solve and draw for one load: the construction planned on the chart's
// pixels and by line theory, the steps told, and the construction drawn over the load's
// picture (put back outside the clock, as the hatching reads what is white). Under a
// millisecond each, at the load and with the first stub along the line, and for a load in
// the forbidden region, whose remedy is searched for.
#include "tests/common/ScopedDecimalSeparator.h"

#include "chart/ChartState.h"
#include "chart/Grid.h"
#include "chart/LoadPoint.h"
#include "zmatch/methods/DoubleStub.h"

#include <benchmark/benchmark.h>

namespace {

chart::TLoadPoint Planned(double r, double x) {
    return chart::PlanLoadPoint({float(r), float(x), 50, 0, {{r, x}, {50, 0}}});
}

void DoubleStub(benchmark::State& state, double r, double x, double first) {
    testing_common::ScopedDecimalSeparator comma(',');
    const chart::TLoadPoint load = Planned(r, x);
    tk::TCanvas shown(807, 689);
    chart::TChartState chart;
    chart::DrawGrid(chart, shown);
    chart::DrawLoadPoint(shown, load);
    tk::TCanvas c = shown;
    for (auto _ : state) {
        state.PauseTiming();
        c = shown;
        state.ResumeTiming();
        const zmatch::methods::TMethodOutcome out =
            zmatch::methods::SolveDoubleStub({load, {theory::TStubKind::Short, first, 0.125, 0}});
        chart::TStepMarks marks(c);
        out.Draw(c, marks);
    }
    benchmark::DoNotOptimize(c.Bits());
}
BENCHMARK_CAPTURE(DoubleStub, AtTheLoad, 60, -80, 0);
BENCHMARK_CAPTURE(DoubleStub, AlongTheLine, 60, -80, 0.1);
BENCHMARK_CAPTURE(DoubleStub, ForbiddenRegion, 20, 0, 0);

} // namespace
