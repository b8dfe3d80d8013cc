#!/usr/bin/env bash
# Installs what is missing, builds everything (tests and benchmarks) with warnings as errors
# (g++, and clang++ too), runs the whole test suite, then the same under AddressSanitizer
# and UndefinedBehaviorSanitizer, then a short fuzz run, then the Debian package: built,
# checked by lintian and appstreamcli, installed into a scratch root and started; then the
# Windows build (scripts/windows.sh), then the pages for the browser (scripts/web.sh and
# scripts/web-test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

BUILD_DIR=build scripts/build.sh -DZCHART_WERROR=ON -DBUILD_TESTING=ON -DZCHART_BENCH=ON
ctest --test-dir build --output-on-failure -j"$(nproc)"

# clang must build the whole tree cleanly too.
scripts/setup.sh clang
CXX=clang++ BUILD_DIR=build-clang scripts/build.sh -DZCHART_WERROR=ON -DBUILD_TESTING=ON -DZCHART_BENCH=ON

BUILD_DIR=build-sanitize BUILD_TYPE=Debug scripts/build.sh -DZCHART_WERROR=ON -DZCHART_SANITIZE=ON -DBUILD_TESTING=ON
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
  ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"

# A short fuzz run of both programs' handlers (clang, libFuzzer, sanitizers).
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

# The package is a Release build of the two programs alone (a few minutes).
scripts/package.sh

# The Windows programs: cross-built, their tests run under Wine, the zip and the installer.
scripts/windows.sh

# The programs in the browser: built with Emscripten, their pages tested in Chromium.
HOST_DIR=build scripts/web.sh
scripts/web-test.sh
