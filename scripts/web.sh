#!/usr/bin/env bash
# zmatch and zline in the browser, built with Debian's Emscripten: installs what is missing,
# builds the host's tools (the canvas's glyph table, and the Linux programs the page's
# answers are compared with) into build-web/host, the pages into build-web/, and leaves in
# build-web/dist/ the two single-file pages (zmatch.html, zline.html: open them from disk)
# beside what makes the folder a small site that installs and works offline (index.html,
# manifest.webmanifest, sw.js, the icons and favicon.ico). The tests' page of the list of rows
# and the slider stays in build-web/tests/web/controls.html, out of the site.
#
#   scripts/web.sh
#   HOST_DIR=build scripts/web.sh    the host's tools from a Linux build there already
#                                    (scripts/test.sh's), rather than a build of their own
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

# emcc runs its JavaScript tools on node, with acorn and its plugins from Debian's modules.
scripts/setup.sh --programs emscripten node-acorn
if ! node -e 'require("acorn")' 2>/dev/null; then
  export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
fi

dir=build-web
jobs=${JOBS:-$(nproc)}
mkdir -p "$dir"
if [ -n "${HOST_DIR:-}" ]; then
  rm -rf "$dir/host"
  ln -sfn "$(readlink -f "$HOST_DIR")" "$dir/host"
else
  [ -L "$dir/host" ] && rm "$dir/host"
  cmake -S . -B "$dir/host" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$dir/host" -j"$jobs" --target make_glyph_table zmatch zline

# Emscripten keeps its cache of the system libraries beside it; a cache of our own where
# that one cannot be written to.
if [ ! -w /usr/share/emscripten/cache ] && [ -z "${EM_CACHE:-}" ]; then
  export EM_CACHE="$PWD/$dir/emcache"
fi
emcmake cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O3 -DNDEBUG" \
  -DZCHART_WERROR=ON -DZCHART_GLYPH_TOOL="$PWD/$dir/host/toolkit/make_glyph_table" >/dev/null
cmake --build "$dir" -j"$jobs" --target zmatch_page zline_page controls_page

dist="$dir/dist"
rm -rf "$dist"
mkdir -p "$dist"
cp "$dir/programs/web/zmatch.html" "$dir/programs/web/zline.html" "$dist/"
cp programs/web/site/* "$dist/"
cp desktop/zmatch.svg desktop/zline.svg "$dist/"
# The home screen's icons, drawn by the Windows icon's maker from the program's own shapes.
cmake -S packaging/windows/icon -B "$dir/icon" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir/icon" -j"$jobs" >/dev/null
for size in 192 512; do
  "$dir/icon/make_icon" zmatch "$dist/zmatch-$size.png" "$size"
done
# What a browser asks a site for before it reads any page's icon.
"$dir/icon/make_icon" zmatch "$dist/favicon.ico"
# The service worker's cache is named by what it holds, so that a new build replaces it.
version=$(cat "$dist"/zmatch.html "$dist"/zline.html "$dist"/index.html | sha256sum | cut -c1-12)
sed -i "s/@CACHE_VERSION@/$version/" "$dist/sw.js"
ls -l "$dist"
echo "scripts/web.sh: $((SECONDS - started)) s"
