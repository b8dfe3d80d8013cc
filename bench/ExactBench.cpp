// The exact answers' cost per load: both single-stub matches with the decimals they need
// (zmatch's hint), and a move along a lossy line with its place on the wavelength scale
// (zline's). Their sines, arctangents and powers of ten are the portable double-double ones,
// slower than the C library's; this says by how much a load pays for the same bits everywhere.
#include "theory/LineTheory.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Loads across the chart, the same on every run.
std::vector<theory::TComplex> Loads() {
    std::vector<theory::TComplex> loads;
    unsigned state = 12345;
    const auto next = [&](unsigned range) {
        state = state * 1103515245u + 12345u;
        return double((state >> 16) % range);
    };
    for (int i = 0; i < 256; ++i)
        loads.emplace_back((1 + next(3000)) / 500, (next(6000) - 3000.0) / 500);
    return loads;
}

void BM_ExactStubMatch(benchmark::State& state) {
    const auto kind = state.range(0) ? theory::TStubKind::Open : theory::TStubKind::Short;
    const std::vector<theory::TComplex> loads = Loads();
    for (auto _ : state)
        for (const theory::TComplex z : loads) {
            const theory::TStubSolutions s = theory::SolveStubMatch(z, kind);
            benchmark::DoNotOptimize(theory::BuildableDecimals(z, s.First, kind, 5));
            benchmark::DoNotOptimize(theory::BuildableDecimals(z, s.Second, kind, 5));
        }
    state.SetItemsProcessed(state.iterations() * long(loads.size()));
}
BENCHMARK(BM_ExactStubMatch)->Arg(0)->Arg(1);

void BM_ExactLineMove(benchmark::State& state) {
    const std::vector<theory::TComplex> loads = Loads();
    for (auto _ : state)
        for (const theory::TComplex z : loads) {
            const theory::TComplex gamma = theory::ReflectionOf(z);
            const theory::TComplex moved = theory::MoveReflection(gamma, 0.37, 1.5);
            benchmark::DoNotOptimize(theory::WavePosition(gamma));
            benchmark::DoNotOptimize(theory::WavePosition(moved));
            benchmark::DoNotOptimize(theory::ImpedanceOf(moved));
        }
    state.SetItemsProcessed(state.iterations() * long(loads.size()));
}
BENCHMARK(BM_ExactLineMove);

} // namespace
