#!/usr/bin/env bash
# Installs the Debian packages the build, the saver run and the tests need.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build mingw-w64 googletest
  wine wine64 xvfb xauth xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils sox lame
  fonts-ipafont-gothic nsis zip procps
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
