#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# into build-fuzz/ (or the folder given as BUILD_DIR) and runs both side by side, each for
# the given number of seconds (60 by default), from fuzz/corpus and fuzz/regressions. What
# the fuzzer adds goes to <build>/fuzz-corpus, so the tree's corpus stays as
# fuzz/make_corpus.py writes it. An input that crashes, hangs or breaks a check is saved
# under <build>/fuzz-findings/<program>/ and fails the script: replay it with
# "<build>/fuzz/<program>_fuzzer <file>", mend the fault, and keep the input under
# fuzz/regressions/<program>/, where the test suite replays it.
#
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
  echo "usage: $0 [seconds]" >&2
  exit 2
fi

scripts/setup.sh clang libclang-rt-14-dev
dir=${BUILD_DIR:-build-fuzz}
cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZCHART_FUZZ=ON -DBUILD_TESTING=ON -DZCHART_WERROR=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target zmatch_fuzzer zline_fuzzer

programs=(zmatch zline)
pids=()
for program in "${programs[@]}"; do
  mkdir -p "$dir/fuzz-corpus/$program" "$dir/fuzz-findings/$program"
  inputs=("fuzz/corpus/$program")
  if [ -d "fuzz/regressions/$program" ]; then inputs+=("fuzz/regressions/$program"); fi
  # -timeout: a press whose drawing loop does not end is a finding like a crash.
  "$dir/fuzz/${program}_fuzzer" "$dir/fuzz-corpus/$program" "${inputs[@]}" \
    -max_total_time="$seconds" -timeout=10 -max_len=16384 -dict=fuzz/inputs.dict \
    -artifact_prefix="$dir/fuzz-findings/$program/" -print_final_stats=1 \
    >"$dir/fuzz-$program.log" 2>&1 &
  pids+=($!)
done

status=0
for i in "${!programs[@]}"; do
  program=${programs[$i]}
  log="$dir/fuzz-$program.log"
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$program: ${runs:-?} runs in ${seconds} s, no findings"
  else
    status=1
    echo "$program: FINDING (log: $log)"
    grep -E "zfuzz:|ERROR:|SUMMARY:|Test unit written|^artifact_prefix|deadly signal|timeout" "$log" | head -20 || true
  fi
done
exit $status
