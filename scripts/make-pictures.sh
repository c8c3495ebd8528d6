#!/usr/bin/env bash
# Regenerates the shell's committed pictures in shell/resources/: the preview pictures from
# the saver's own scene, and the dialog's marks, icon and pointer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" make_preview_pictures make_dialog_pictures >/dev/null
build=${BUILD_DIR:-$root/build}
source "$root/scripts/bench.sh"
trap bench_down EXIT
bench_up "$build" 2>/dev/null
resources=$(winepath -w "$root/shell/resources")
out=$BENCH_DIR/make-pictures.log
wine "$build/tools-bin/make_preview_pictures.exe" "$resources\\preview_lattice.bmp" \
  "$resources\\preview_background.bmp" >"$out" 2>&1 </dev/null
wine "$build/tools-bin/make_dialog_pictures.exe" "$resources" >>"$out" 2>&1 </dev/null
cat "$out"
