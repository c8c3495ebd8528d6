#!/usr/bin/env bash
# Frames per second of Korvane.dll at 1024x768 under Wine and llvmpipe, next to a minimal
# reference loop drawing the same lattice in the same run, and the renderer's CPU time.
# A measurement that fails stops the script with a message.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" korvane_renderer bench_reference_loop >/dev/null
build=${BUILD_DIR:-$root/build}
seconds=${BENCH_SECONDS:-10}
source "$root/scripts/bench.sh"
trap bench_down EXIT
bench_up "$build"

fail() { echo "bench-renderer: $*" >&2; exit 1; }

# measure PROGRAM TITLE: runs it for $seconds, prints "fps cpu_seconds wall_seconds"
measure() {
  local program=$1 title=$2 log=$BENCH_DIR/trace.$RANDOM
  WINEDEBUG=+timestamp,+wgl wine "$program" >"$log" 2>&1 </dev/null &
  # wine execs the program in its own process: this is the program's process.
  local pid=$!
  bench_wait_for 30 xdotool search --name "^$title\$" || fail "no window $title appeared"
  sleep "$seconds"
  # CPU time is utime + stime in ticks; the process's start is in ticks since boot.
  local hz ticks start_ticks uptime
  hz=$(getconf CLK_TCK)
  read -r ticks start_ticks < <(awk '{ print $14 + $15, $22 }' "/proc/$pid/stat" 2>/dev/null) ||
    fail "$(basename "$program") ended before it was measured"
  uptime=$(awk '{ print $1 }' /proc/uptime)
  bench_escape_until_ended "$title" "$pid" 30 || fail "$(basename "$program") did not end on Escape"
  wait "$pid" || fail "$(basename "$program") ended with exit code $?"
  grep 'wglSwapBuffers' "$log" | awk -F: -v ticks="$ticks" -v hz="$hz" -v st="$start_ticks" -v up="$uptime" '
    { t = $1 + 0; if (n == 0) first = t; last = t; n++ }
    END { if (n < 2 || last <= first) exit 1
          printf "%.1f %.2f %.2f\n", (n - 1) / (last - first), ticks / hz, up - st / hz }' ||
    fail "$(basename "$program") drew fewer than two frames"
}

renderer=$(measure "$build/bin/Korvane.dll" Korvane_VC)
reference=$(measure "$build/bench-bin/bench_reference_loop.exe" Korvane_Reference)
read -r fps cpu wall <<<"$renderer"
read -r ref_fps ref_cpu ref_wall <<<"$reference"
echo "renderer:  $fps frames/s, CPU $cpu s over $wall s of process life"
echo "reference: $ref_fps frames/s, CPU $ref_cpu s over $ref_wall s of process life"
awk -v a="$fps" -v b="$ref_fps" 'BEGIN { printf "ratio renderer/reference: %.2f\n", a / b }'
