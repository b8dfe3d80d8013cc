#!/usr/bin/env bash
# The Windows programs, cross-built here with Debian's mingw-w64 and tested under Wine:
# installs what is missing, builds the host's tools (the canvas's glyph table) into
# build-windows/host, cross-builds the programs and the tests into build-windows/, runs the
# tests under Wine (a scratch prefix in build-windows/wine, a virtual X screen for the
# window tests), then, when scripts/windows-dist.sh is there, the zip and the installer in
# build-windows/dist/.
#
#   scripts/windows.sh            everything above
#   WINDOWS_TESTS=0 scripts/windows.sh   without running the tests
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

# mingw-w64 (the posix thread model), Wine to run what it builds, GoogleTest's sources and
# zlib for the tests (which read our PNG back with it), Xvfb for the window tests, NSIS and
# zip for the installer and the portable zip.
scripts/setup.sh --programs g++-mingw-w64-x86-64-posix wine wine64 googletest \
  libz-mingw-w64-dev xvfb nsis zip

dir=build-windows
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
jobs=${JOBS:-$(nproc)}

# The host's tools (the glyph table rendered by the host's FreeType), and the Linux programs
# whose answers the Windows ones must give byte for byte.
cmake -S . -B "$dir/host" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$dir/host" -j"$jobs" --target make_glyph_table zmatch zline

# Wine runs the tests while they are built (gtest_discover_tests) and after: one scratch
# 64-bit prefix, made once, its own log silenced, no Mono or Gecko offered.
export WINEPREFIX="$PWD/$dir/wine" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$dir"

# Wine's windows (the prefix's set-up, the window tests) go to a virtual screen of their
# own, on the first free display, stopped at the end with the prefix's Wine server.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wine wineboot --init
  wineserver -w
fi
# One Wine server for the whole run rather than one started for each test (2 s each), and
# its background processes (services, the desktop's explorer) started here, away from the
# output the builds and tests read: a test that started them would leave them holding its
# pipe open, and its caller would wait for them until its time-out.
wineserver -p
wine wineboot </dev/null >/dev/null 2>&1

# -O2 as the Linux build, without debugging information: the programs are single files
# users download.
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s \
  -DZCHART_WERROR=ON -DBUILD_TESTING=ON "${launcher[@]}" \
  -DZCHART_GLYPH_TOOL="$PWD/$dir/host/toolkit/make_glyph_table" \
  -DZCHART_LINUX_PROGRAMS="$PWD/$dir/host/programs/linux" >/dev/null
cmake --build "$dir" -j"$jobs"

if [ "${WINDOWS_TESTS:-1}" != 0 ]; then
  ctest --test-dir "$dir" --output-on-failure -j"$jobs"
fi

if [ -x scripts/windows-dist.sh ]; then
  scripts/windows-dist.sh
fi
echo "scripts/windows.sh: $((SECONDS - started)) s"
