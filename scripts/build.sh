#!/usr/bin/env bash
# Configures (once) and builds the project into BUILD_DIR (default: build).
# KORVANE_CONFIGURE holds extra CMake options for a tree's first configuration.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  # shellcheck disable=SC2086
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" ${KORVANE_CONFIGURE:-} >/dev/null
fi
cmake --build "$build" -- -j"$(nproc)" "$@"
