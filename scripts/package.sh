#!/usr/bin/env bash
# Builds the Debian package of both programs into build-package/ (or BUILD_DIR) with CPack,
# with Debian's own compiler and linker flags, then checks it: lintian (errors fail),
# appstreamcli on the metainfo files, and an install into a scratch root from which both
# programs are started offscreen and every file is looked for where a desktop expects it.
# Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
dir=${BUILD_DIR:-build-package}

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$dir" -j"$(nproc)"
rm -f "$dir"/zchart_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(echo "$dir"/zchart_*.deb)

echo "lintian:"
lintian --display-info --fail-on error "$deb"
echo "appstreamcli:"
appstreamcli validate --no-net desktop/*.metainfo.xml
echo "install test:"
cmake -D DEB="$deb" -D ROOT="$dir/install-check" -P desktop/CheckInstall.cmake
echo "  every file in place, both programs started from $dir/install-check"
echo "$deb"
