// The band response's cost: КСВ of the chart's answer and both exact solutions at the 1001
// frequencies a band plot and `zmatch --band` draw, for each model of the load. The sweep's
// sines and tangents are the portable double-double ones, advanced a step at a time; it is
// to stay within 1 ms, and the networks of any method within 2 ms.
#include "theory/BandResponse.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MatchBand(benchmark::State& state) {
    const auto model = static_cast<theory::TLoadModel>(state.range(0));
    const measured::TMeasuredLoad measured{{{0.5e9, theory::TComplex(60, 20)},
                                            {0.8e9, theory::TComplex(90, 40)},
                                            {1.0e9, theory::TComplex(100, 50)},
                                            {1.5e9, theory::TComplex(130, 80)}},
                                           50};
    theory::TBandInput in;
    in.Load = {100, 50};
    in.Line = 50;
    in.Exact = theory::SolveStubMatch(in.Load / in.Line, in.Kind);
    in.Chart = theory::AsPrinted(in.Exact.First);
    in.Model = model;
    in.Measured = &measured;
    in.F0Hz = 1e9;
    for (auto _ : state)
        benchmark::DoNotOptimize(theory::MatchBand(in, 1001));
    state.SetItemsProcessed(state.iterations() * 1001);
}
BENCHMARK(BM_MatchBand)
    ->Arg(int(theory::TLoadModel::Series))
    ->Arg(int(theory::TLoadModel::Constant))
    ->Arg(int(theory::TLoadModel::Measured))
    ->Unit(benchmark::kMicrosecond);

// The same three matchings as networks, built element by element at every frequency: the
// other methods' band, each solution a network.
void BM_NetworksBand(benchmark::State& state) {
    theory::TBandLoad load;
    load.Load = {100, 50};
    load.Line = 50;
    const theory::TStubSolutions exact =
        theory::SolveStubMatch(load.Load / load.Line, theory::TStubKind::Short);
    const auto stub = [](const theory::TStubMatch& m) {
        return theory::TNetwork{theory::Line(m.Distance),
                                theory::ShuntStub(m.Stub, theory::TStubKind::Short)};
    };
    const theory::TNetwork networks[] = {stub(theory::AsPrinted(exact.First)), stub(exact.First),
                                         stub(exact.Second)};
    for (auto _ : state)
        benchmark::DoNotOptimize(theory::NetworksBand(load, networks, 1001));
    state.SetItemsProcessed(state.iterations() * 1001);
}
BENCHMARK(BM_NetworksBand)->Unit(benchmark::kMicrosecond);

} // namespace
