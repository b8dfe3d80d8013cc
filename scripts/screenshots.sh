#!/usr/bin/env bash
# Saves the pictures the README and the user guide (docs/guide.*.md) show, each drawn by the
# program itself on Qt's offscreen platform, typed into and clicked through a construction:
# docs/zmatch.png and docs/zline.png, each program's main window (tests/qt/*_screenshot.cpp),
# and zmatch's other windows (tests/qt/guide_pictures.cpp): docs/zmatch-grid.png,
# zmatch-band.png, zmatch-steps.png (at the turn to M) with zmatch-step-chart.png,
# zmatch-methods.png and zmatch-chain.png.
# No display and no window manager are needed, and the pictures come out the same on every
# machine that has the fonts scripts/setup.sh installs.
# Builds into build/ (or the folder given as BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
dir=${BUILD_DIR:-build}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} -DBUILD_TESTING=ON >/dev/null
cmake --build "$dir" -j"$(nproc)" --target zmatch_screenshot zline_screenshot zmatch_guide_pictures
mkdir -p docs
for program in zmatch zline; do
  QT_QPA_PLATFORM=offscreen "$dir/tests/qt/${program}_screenshot" "docs/$program.png"
  echo "docs/$program.png"
done
QT_QPA_PLATFORM=offscreen "$dir/tests/qt/zmatch_guide_pictures" docs
ls docs/zmatch-*.png
