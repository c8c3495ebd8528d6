#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under the bench's Wine.
# Extra arguments go to ctest (for example: -R renderer_scene_test).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}
# shellcheck source=bench.sh
source "$root/scripts/bench.sh"
trap bench_down EXIT
bench_up "$build"
cd "$build"
ctest --output-on-failure --timeout 600 "$@"
