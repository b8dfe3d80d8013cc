// A handler's drawing as a list of canvas calls, played back on our canvas and on Qt's
// raster painter, so that the two are timed on exactly the same work. No Qt in this header:
// the cases of each program include that program's Unit1.h and nothing of the window system.
#pragma once

#include "toolkit/Canvas.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <vector>

namespace bench {

// Starts the one Qt application the benchmarks share, offscreen unless told otherwise.
void StartGui();

// The calls `draw` makes on `canvas`, which it draws as usual.
std::vector<tk::TCanvasCall> Record(tk::TCanvas& canvas, const std::function<void()>& draw);

// The benchmark body that times both playbacks on a picture of the given size and reports
// their times per playback (ours_ms, qpainter_ms) and qpainter_ms / ours_ms (ratio).
void VersusQPainter(benchmark::State& state, const std::vector<tk::TCanvasCall>& calls, int width,
                    int height);

// Every case in microseconds, the scale of one click.
template <class F> void Register(const char* name, F body) {
    benchmark::RegisterBenchmark(name, body)->Unit(benchmark::kMicrosecond);
}

} // namespace bench
