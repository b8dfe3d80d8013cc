#!/usr/bin/env bash
# The pages' benchmarks (bench/web/page_bench.py) beside the native handlers': builds the
# native benchmark optimised into build-bench/ (as scripts/bench.sh), runs its handler cases
# on one core, then measures the pages scripts/web.sh left in build-web/dist/ in Chromium.
# Exits 1 when a goal is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh chromium chromium-driver python3-selenium
[ -f build-web/dist/zmatch.html ] || scripts/web.sh
dir=${BUILD_DIR:-build-bench}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DZCHART_BENCH=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target zchart_bench
export QT_QPA_PLATFORM=offscreen
pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)
native=$(mktemp)
trap 'rm -f "$native"' EXIT
"${pin[@]}" "$dir/bench/zchart_bench" --benchmark_min_time=0.3 --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=json \
  --benchmark_filter='^((zmatch|zline)/Button1(\+2)?Click(/short)?|BM_ChainDragStep)$' >"$native"
/usr/bin/python3 bench/web/page_bench.py build-web "$native"
