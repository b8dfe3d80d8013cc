// The chart's picture scaled by area, as a scaled desktop or a small window shows it: the
// whole 807 × 689 canvas at each factor, in bands as the picture control paints it. The
// weights are worked out once per size, outside the loop, as the control keeps them.
#include "toolkit/SmoothPicture.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

void SmoothPicture(benchmark::State& state, double factor) {
    const std::vector<std::uint32_t> canvas(std::size_t(807) * 689, 0xffffff);
    const tk::TSize source{807, 689};
    const tk::TSize target{int(std::lround(807 * factor)), int(std::lround(689 * factor))};
    tk::SmoothPicture smooth(source, target);
    constexpr int kBandRows = 32;
    std::vector<std::uint32_t> band(std::size_t(target.Width) * kBandRows);
    for (auto _ : state) {
        for (int y = 0; y < target.Height; y += kBandRows)
            smooth.Rows({canvas.data(), source, source.Width}, y,
                        {band.data(), {target.Width, kBandRows}, target.Width});
        benchmark::DoNotOptimize(band.data());
    }
}

BENCHMARK_CAPTURE(SmoothPicture, 0.5, 0.5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 0.75, 0.75)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 0.95, 0.95)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 1.25, 1.25)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 1.5, 1.5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 1.75, 1.75)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SmoothPicture, 2, 2.0)->Unit(benchmark::kMillisecond);

} // namespace
