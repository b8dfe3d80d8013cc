#!/usr/bin/env bash
# Installs what is missing, builds, and starts zmatch (or the program named: zline).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-zmatch}
case "$program" in
  zmatch|zline) ;;
  *) echo "usage: $0 [zmatch|zline]" >&2; exit 2 ;;
esac
scripts/setup.sh
scripts/build.sh
exec "build/$program/$program"
