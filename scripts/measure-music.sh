#!/usr/bin/env bash
# Prints what the music player costs (CPU per CD poll and MP3 repeat tick) and how long its
# sound takes to start, measured under the test bench's Wine and sound capture.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" shell_music_bench
build=${BUILD_DIR:-$root/build}
# shellcheck source=bench.sh
source "$root/scripts/bench.sh"
trap bench_down EXIT
bench_up "$build"
out="$BENCH_DIR/music-bench.txt"
code=0
wine "$build/bench-bin/shell_music_bench.exe" >"$out" 2>&1 </dev/null || code=$?
grep -v -e 'GStreamer-CRITICAL' -e '^ALSA lib' -e '^$' -e '^winegstreamer' -e '^(wine:' "$out" || true
[ "$code" -eq 0 ] || { echo "measure-music: the benchmark failed (exit code $code)" >&2; exit 1; }
