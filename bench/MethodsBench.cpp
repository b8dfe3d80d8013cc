// The methods window's other costs: the quarter-wave transformer planned and drawn (within
// 1 ms each), and the band of every solution of each method across 1001 frequencies, as the
// band window and `zmatch --method … --band` sweep it (within 2 ms).
#include "chart/LoadPoint.h"
#include "chart/StepMarks.h"
#include "theory/BandResponse.h"
#include "toolkit/Canvas.h"
#include "zmatch/methods/Method.h"
#include "zmatch/methods/QuarterWave.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// 100 + j50 ohms on 50, two stubs λ/8 apart at the load, 433,92 MHz for the L-section.
zmatch::methods::TMethodInput Input() {
    const chart::TLoadPoint load = chart::PlanLoadPoint({100, 50, 50, 0, {{100, 50}, {50, 0}}});
    zmatch::methods::TMethodOptions options;
    options.Hz = 433.92e6;
    return {load, options};
}

void BM_QuarterWaveSolve(benchmark::State& state) {
    const zmatch::methods::TMethodInput in = Input();
    for (auto _ : state)
        benchmark::DoNotOptimize(zmatch::methods::SolveQuarterWave(in));
}
BENCHMARK(BM_QuarterWaveSolve)->Unit(benchmark::kMicrosecond);

void BM_QuarterWaveDraw(benchmark::State& state) {
    const zmatch::methods::TMethodOutcome out = zmatch::methods::SolveQuarterWave(Input());
    tk::TCanvas canvas(807, 689);
    for (auto _ : state) {
        chart::TStepMarks marks(canvas);
        out.Draw(canvas, marks);
    }
    benchmark::DoNotOptimize(canvas.Bits());
}
BENCHMARK(BM_QuarterWaveDraw)->Unit(benchmark::kMicrosecond);

// The argument is the method's place in the window's list.
void BM_MethodBand(benchmark::State& state) {
    const zmatch::methods::TMethod& method =
        zmatch::methods::Methods()[std::size_t(state.range(0))];
    const zmatch::methods::TMethodOutcome out = method.Solve(Input());
    std::vector<theory::TNetwork> networks;
    for (const zmatch::methods::TSolution& s : out.Solutions)
        networks.push_back(s.ExactNetwork);
    theory::TBandLoad load;
    load.Load = {100, 50};
    load.Line = 50;
    for (auto _ : state)
        benchmark::DoNotOptimize(theory::NetworksBand(load, networks, 1001));
    state.SetLabel(method.Key);
}
BENCHMARK(BM_MethodBand)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace
