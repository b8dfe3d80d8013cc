#!/usr/bin/env bash
# Installs whatever of the build's Debian packages is missing; downloads nothing else.
#
#   scripts/setup.sh --programs   only what building and running the two programs needs
#   scripts/setup.sh [package…]   that, plus the tests', benchmarks' and packaging's tools,
#                                 plus the packages named
set -euo pipefail

# qt6-translations-l10n holds Qt's own texts in Russian (the file dialog, an edit field's
# menu, the error box's button), which the programs load at start-up. libdlib-dev's
# optimisation headers tune a matching network across a band (cmake/Dlib.cmake).
programs=(
  cmake g++ pkg-config libdlib-dev
  qt6-base-dev qt6-translations-l10n
  libfreetype-dev
  fonts-wine fonts-dejavu-core
)
# GoogleTest and Google Benchmark for the tests and benchmarks; poppler-utils's pdftoppm
# reads the PDF figures back for the tests, and zlib inflates our deflate there; desktop-file-utils, appstream and lintian check
# the menu entries, the metainfo and the package; dpkg-dev and file let CPack find the
# package's dependencies.
everything=(
  libgtest-dev libbenchmark-dev poppler-utils zlib1g-dev
  desktop-file-utils appstream lintian dpkg-dev file
)

# Scripts name what only they need: scripts/windows.sh mingw-w64 and Wine; scripts/web.sh
# emscripten, and node-acorn, whose modules emcc's JavaScript tools load; scripts/web-test.sh
# and scripts/web-bench.sh chromium, chromium-driver and python3-selenium, which drive it;
# scripts/web-test.sh firefox-esr too, and python3-websocket, which drives it.
if [ "${1:-}" = --programs ]; then
  shift
  packages=("${programs[@]}" "$@")
else
  packages=("${programs[@]}" "${everything[@]}" "$@")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
