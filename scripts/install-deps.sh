#!/usr/bin/env bash
# Installs the Debian packages the build, the saver run, the tests and the fuzz targets need.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build mingw-w64 googletest
  wine wine64 xvfb xauth xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils sox lame gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-ipafont-gothic fonts-wine xserver-xephyr nsis zip procps locales
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page (932 for LANG=ja_JP.UTF-8) from the C library's locale.
locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8' || localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
# hi_IN has no ANSI code page of its own: Wine then runs with UTF-8 (65001) as the code page.
locale -a 2>/dev/null | grep -qix 'hi_IN\.utf-\?8' || localedef -i hi_IN -f UTF-8 hi_IN.UTF-8
