// The whole search for one load: every topology from its exact f0 solution, tuned for a
// 201-point band, put on E24 parts with their Q, measured and ranked (theory::Choose), for a
// typed load (R with its C in series off f0) and a measured one read between its points.
// The goal is under 300 ms native.
#include "measured/Touchstone.h"
#include "theory/Choose.h"

#include <benchmark/benchmark.h>

namespace {

// An antenna measured from 0,8 to 1,2 GHz, S11 on 50 Ω.
const char* const kAntenna = "# GHz S RI R 50\n"
                             "0.80 0.55 -0.45\n"
                             "0.90 0.42 -0.30\n"
                             "1.00 0.33 -0.12\n"
                             "1.10 0.30 0.08\n"
                             "1.20 0.34 0.26\n";

void BM_ChooseAllTopologies(benchmark::State& state) {
    const measured::TMeasuredLoad antenna = measured::ReadTouchstone(kAntenna, 1);
    theory::TChooseAsk ask;
    const bool measured = state.range(0);
    ask.Load = {{20, -35},
                50,
                measured ? theory::TLoadModel::Measured : theory::TLoadModel::Series,
                measured ? &antenna : nullptr,
                1e9};
    ask.Low = 0.9;
    ask.High = 1.1;
    ask.Parts = theory::TPartsSeries::E24;
    ask.QInductor = 50;
    ask.QCapacitor = 500;
    ask.Points = 201;
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<theory::TChoice> ranked = theory::Choose(ask);
        found = ranked.size();
        benchmark::DoNotOptimize(ranked.data());
    }
    state.counters["topologies"] = double(found);
}
BENCHMARK(BM_ChooseAllTopologies)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
