// One tuning step of an eight-element chain, as the chain window takes it: one value
// changed, every node solved, and the band of 1001 frequencies recomputed with its КСВ ≤ 2
// width. Every element's matrix is taken afresh at every frequency on the portable sine,
// cosine and 10^x; the step is to stay under 2 ms, its drawing apart.
#include "theory/ChainBand.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ChainTuningStep(benchmark::State& state) {
    using theory::TPlace;
    theory::TChain chain{{theory::SeriesL(12e-9, 80), theory::ShuntC(2.2e-12, 300),
                          theory::SeriesR(5), theory::ChainLine(0.1, 75, 0.5),
                          theory::ChainStub(TPlace::Shunt, theory::TStubKind::Short, 0.125),
                          theory::ChainStub(TPlace::Series, theory::TStubKind::Open, 0.2, 75),
                          theory::ShuntL(10e-9, 50), theory::Transformer(1.2)},
                         50,
                         433.92e6};
    const theory::TBandLoad load{{20, -35}, 50, theory::TLoadModel::Series};
    double step = 0;
    for (auto _ : state) {
        chain.Elements[1].Value = 2.2e-12 * (1 + 0.001 * (step += 1));
        benchmark::DoNotOptimize(theory::NodeOhms(chain, load.Load, 1));
        benchmark::DoNotOptimize(theory::ChainBand(chain, load));
    }
    state.SetItemsProcessed(state.iterations() * 1001);
}
BENCHMARK(BM_ChainTuningStep)->Unit(benchmark::kMicrosecond);

} // namespace
