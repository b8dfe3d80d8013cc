// The readout's cost per pointer move: the readings of the pixel under the pointer, and
// with them the text the window shows, on a 50 Ом line. The pixels sweep everything the
// readout speaks of, the disc, its rim and the ring of wavelength labels beyond (farther out
// it costs nothing). A move must stay within a few microseconds, far below a frame.
#include "chart/Readout.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Every 7th pixel within the readout's reach, row by row.
std::vector<chart::TPixel> Pixels() {
    constexpr int reach = chart::ReadoutReach;
    std::vector<chart::TPixel> pixels;
    for (int dy = -reach; dy <= reach; dy += 7)
        for (int dx = -reach; dx <= reach; dx += 7)
            if (dx * dx + dy * dy <= reach * reach)
                pixels.push_back({chart::ChartCenterX + dx, chart::ChartCenterY + dy});
    return pixels;
}

void BM_ReadoutReadings(benchmark::State& state) {
    const std::vector<chart::TPixel> pixels = Pixels();
    for (auto _ : state)
        for (const chart::TPixel p : pixels)
            benchmark::DoNotOptimize(chart::ReadPixel(p, theory::TComplex(50, 0)));
    state.SetItemsProcessed(state.iterations() * long(pixels.size()));
}
BENCHMARK(BM_ReadoutReadings);

void BM_ReadoutText(benchmark::State& state) {
    const std::vector<chart::TPixel> pixels = Pixels();
    for (auto _ : state)
        for (const chart::TPixel p : pixels)
            benchmark::DoNotOptimize(
                chart::ReadoutText(chart::ReadPixel(p, theory::TComplex(50, 0))));
    state.SetItemsProcessed(state.iterations() * long(pixels.size()));
}
BENCHMARK(BM_ReadoutText);

} // namespace
