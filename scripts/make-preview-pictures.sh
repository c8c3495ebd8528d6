#!/usr/bin/env bash
# Renders the preview pictures from the saver's scene into shell/resources/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" make_preview_pictures >/dev/null
build=${BUILD_DIR:-$root/build}
source "$root/scripts/bench.sh"
trap bench_down EXIT
bench_up "$build" 2>/dev/null
out=$BENCH_DIR/make-preview.log
wine "$build/tools-bin/make_preview_pictures.exe" \
  "$(winepath -w "$root/shell/resources/preview_lattice.bmp")" \
  "$(winepath -w "$root/shell/resources/preview_background.bmp")" >"$out" 2>&1 </dev/null
cat "$out"
