#!/usr/bin/env bash
# Saves docs/zmatch.png and docs/zline.png: each program's own window, typed into and
# clicked through a construction by its screenshot tool (tests/qt/*_screenshot.cpp) on
# Qt's offscreen platform. No display and no window manager are needed, and the pictures
# come out the same on every machine that has the fonts scripts/setup.sh installs.
# Builds into build/ (or the folder given as BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
dir=${BUILD_DIR:-build}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} -DBUILD_TESTING=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target zmatch_screenshot zline_screenshot
mkdir -p docs
for program in zmatch zline; do
  QT_QPA_PLATFORM=offscreen "$dir/tests/qt/${program}_screenshot" "docs/$program.png"
  echo "docs/$program.png"
done
