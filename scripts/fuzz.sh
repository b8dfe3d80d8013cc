#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# into build-fuzz/ (or the folder given as BUILD_DIR) and runs every one side by side for the
# given number of seconds (60 by default), each from fuzz/corpus/<target> and
# fuzz/regressions/<target>: zmatch and zline (sessions at the windows), parse and format
# (StrToFloat, FloatToStrF), canvas (the canvas against its per-pixel reference), complex
# (the command line's complex loads), batch (the command line's "--load -"), utf16 (text at
# Windows' wide functions), touchstone (Touchstone files read into a measured load),
# methods (sessions at zmatch's methods window), choosewin (sessions at its choice of
# networks, the search run), chaintext, chainfile and chainaddress (a chain of elements as
# typed, as a file and in the page's address), choose (--choose's options), answers (a
# student's answers to an exercise) and exwin (sessions at the exercises window). It
# prints each target's executions, their rate per second of processor time, and its
# findings. What the fuzzer adds goes to <build>/fuzz-corpus, so the tree's corpus stays as
# fuzz/make_corpus.py writes it. An input that crashes, hangs or breaks a check is saved under
# <build>/fuzz-findings/<target>/ and fails the script: replay it with
# "<build>/fuzz/<target>_fuzzer <file>", mend the fault, and keep the input under
# fuzz/regressions/<target>/, where the test suite replays it.
#
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
  echo "usage: $0 [seconds]" >&2
  exit 2
fi

scripts/setup.sh clang libclang-rt-14-dev time
dir=${BUILD_DIR:-build-fuzz}
targets=(zmatch zline parse format canvas complex batch utf16 touchstone methods chaintext chainfile
  chainaddress choose answers choosewin exwin)
cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZCHART_FUZZ=ON -DZCHART_WERROR=ON -DZCHART_BENCH=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]/%/_fuzzer}"

# The longest input each target reads whole: a session's fields of 10 kB, a 100 kB text, a
# double with its format, about 24 drawing calls, a load of 4 kB, a batch of at most 256
# lines (each good load among them draws a whole construction, so that a longer batch of
# good loads could outlast the time-out with nine targets sharing the cores), a Touchstone
# file of 64 kB. The canvas and the batch start at that length: the calls and the lines are
# independent, and a long input spreads the cost of making the bitmaps, or the start of each
# input, over more.
declare -A max_len=([zmatch]=16384 [zline]=16384 [methods]=4096 [parse]=102401 [format]=11 [canvas]=600
  [complex]=4097 [batch]=512 [utf16]=4097 [touchstone]=65537
  [chaintext]=4097 [chainfile]=16385 [chainaddress]=4096 [choose]=4096 [answers]=4096
  [choosewin]=4096 [exwin]=4096)
pids=()
for target in "${targets[@]}"; do
  mkdir -p "$dir/fuzz-corpus/$target" "$dir/fuzz-findings/$target"
  inputs=("fuzz/corpus/$target")
  if [ -d "fuzz/regressions/$target" ]; then inputs+=("fuzz/regressions/$target"); fi
  options=()
  if [ "$target" = zmatch ] || [ "$target" = zline ] || [ "$target" = methods ] ||
    [ "$target" = choosewin ] || [ "$target" = exwin ]; then
    options+=(-dict=fuzz/inputs.dict)
  fi
  if [ "$target" = complex ] || [ "$target" = batch ]; then options+=(-dict=fuzz/loads.dict); fi
  if [ "$target" = touchstone ]; then options+=(-dict=fuzz/touchstone.dict); fi
  case "$target" in chaintext | chainfile | chainaddress) options+=(-dict=fuzz/chain.dict) ;; esac
  if [ "$target" = canvas ] || [ "$target" = batch ]; then options+=(-len_control=0); fi
  # -timeout: a call whose loop does not end is a finding like a crash. A whole choice of
  # networks takes 0,8 s of processor under the sanitizers, seven seconds or more of the
  # clock with every target sharing two cores: its input gets 30.
  timeout=10
  [ "$target" = choosewin ] && timeout=30
  ZFUZZ_TELL_LINES=1 /usr/bin/time -f "cpu %U %S" -o "$dir/fuzz-$target.time" \
    "$dir/fuzz/${target}_fuzzer" "$dir/fuzz-corpus/$target" "${inputs[@]}" \
    -max_total_time="$seconds" -timeout="$timeout" -max_len="${max_len[$target]}" "${options[@]}" \
    -artifact_prefix="$dir/fuzz-findings/$target/" -print_final_stats=1 \
    >"$dir/fuzz-$target.log" 2>&1 &
  pids+=($!)
done

status=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  log="$dir/fuzz-$target.log"
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cpu=$(awk '/^cpu/ { print $2 + $3 }' "$dir/fuzz-$target.time")
    rate=$(awk -v r="${runs:-0}" -v c="${cpu:-0}" 'BEGIN { if (c > 0) printf "%.0f", r / c; else print "?" }')
    lines=$(sed -n 's/^batch lines answered: //p' "$log")
    echo "$target: ${runs:-?} runs${lines:+ ($lines lines)} in $seconds s, $rate per second of processor (${cpu:-?} s), no findings"
  else
    status=1
    echo "$target: FINDING (log: $log)"
    grep -E "zfuzz:|ERROR:|SUMMARY:|Test unit written|^artifact_prefix|deadly signal|timeout" "$log" | head -20 || true
  fi
done
exit $status
