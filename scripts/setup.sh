#!/usr/bin/env bash
# Installs whatever of the build's Debian packages is missing; downloads nothing else.
set -euo pipefail

packages=(
  cmake g++ pkg-config
  qt6-base-dev
  libfreetype-dev libfontconfig-dev
  fonts-wine fonts-dejavu-core
  libgtest-dev libbenchmark-dev
  desktop-file-utils
  "$@"
)

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
