#!/usr/bin/env bash
# Installs what the programs need, builds the one named (zmatch by default, or zline) and
# nothing else, optimised and without debugging information, into build-run/ (or
# BUILD_DIR), and starts it. Arguments after the name go to the program (e.g. --help).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-zmatch}
case "$program" in
  zmatch|zline) ;;
  *) echo "usage: $0 [zmatch|zline] [option…]" >&2; exit 2 ;;
esac
shift || true
scripts/setup.sh --programs
dir=${BUILD_DIR:-build-run}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Release} >/dev/null
cmake --build "$dir" -j"$(nproc)" --target "$program"
exec "$dir/programs/linux/$program" "$@"
