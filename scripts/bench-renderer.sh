#!/usr/bin/env bash
# Frames per second of Korvane.dll at 1024x768 under Wine and llvmpipe, next to a minimal
# reference loop drawing the same lattice in the same run, and the renderer's CPU time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" korvane_renderer bench_reference_loop >/dev/null
build=${BUILD_DIR:-$root/build}
seconds=${BENCH_SECONDS:-10}
source "$root/scripts/bench.sh"
trap bench_down EXIT
bench_up "$build" 2>/dev/null

# measure PROGRAM TITLE: runs it for $seconds, prints "fps cpu_seconds wall_seconds"
measure() {
  local program=$1 title=$2 log=$BENCH_DIR/trace.$RANDOM
  WINEDEBUG=+timestamp,+wgl wine "$program" >"$log" 2>&1 </dev/null &
  local pid=$!
  bench_wait_for 30 xdotool search --name "^$title\$" || { echo "no window $title" >&2; return 1; }
  sleep "$seconds"
  # The Wine process carries the program's name; its CPU time is utime + stime in ticks.
  local linux_pid ticks hz
  linux_pid=$(pgrep -f "$(basename "$program")" | head -1)
  hz=$(getconf CLK_TCK)
  ticks=$(awk '{ print $14 + $15 }' "/proc/$linux_pid/stat")
  local start_ticks
  start_ticks=$(awk '{ print $22 }' "/proc/$linux_pid/stat")
  local uptime
  uptime=$(awk '{ print $1 }' /proc/uptime)
  xdotool windowfocus --sync "$(xdotool search --name "^$title\$" | head -1)" 2>/dev/null || true
  xdotool key Escape
  wait "$pid" || true
  grep 'wglSwapBuffers' "$log" | awk -F: -v ticks="$ticks" -v hz="$hz" -v st="$start_ticks" -v up="$uptime" '
    { t = $1 + 0; if (n == 0) first = t; last = t; n++ }
    END { printf "%.1f %.2f %.2f\n", (n - 1) / (last - first), ticks / hz, up - st / hz }'
}

read -r fps cpu wall < <(measure "$build/bin/Korvane.dll" Korvane_VC)
read -r ref_fps ref_cpu ref_wall < <(measure "$build/bench-bin/bench_reference_loop.exe" Korvane_Reference)
echo "renderer:  $fps frames/s, CPU $cpu s over $wall s of process life"
echo "reference: $ref_fps frames/s, CPU $ref_cpu s over $ref_wall s of process life"
awk -v a="$fps" -v b="$ref_fps" 'BEGIN { printf "ratio renderer/reference: %.2f\n", a / b }'
