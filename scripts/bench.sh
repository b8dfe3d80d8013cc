#!/usr/bin/env bash
# Builds the benchmarks optimised (Release) into build-bench/ (or BUILD_DIR) and runs them on
# one core, offscreen, showing the median of each over several repetitions. Arguments go to
# the benchmark binary, e.g. --benchmark_filter=zmatch/ or --benchmark_repetitions=3.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
dir=${BUILD_DIR:-build-bench}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DZCHART_BENCH=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target zchart_bench

export QT_QPA_PLATFORM=offscreen
# Qt wants a private runtime folder and complains on every start without one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)
# Means, deviations and variation coefficients are left out; a failing benchmark says so on
# its own line.
"${pin[@]}" "$dir/bench/zchart_bench" --benchmark_min_time=0.3 --benchmark_repetitions=7 \
  --benchmark_report_aggregates_only=true "$@" | grep -Ev '_(mean|stddev|cv) '
