#!/usr/bin/env bash
# Korvane.scr /s under Wine: time from the start to the renderer's first frame, the host's CPU
# use while it waits and its memory, each next to the same figure for a minimal program in the
# same run (the reference lattice loop for the first frame, an idle message loop for the rest).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" Korvane_programs bench_reference_loop bench_idle_program >/dev/null
build=${BUILD_DIR:-$root/build}
seconds=${BENCH_SECONDS:-8}
source "$root/scripts/bench.sh"
trap bench_down EXIT
bench_up "$build" 2>/dev/null
hz=$(getconf CLK_TCK)

now() { date +%s.%N; }
# first_frame LOG START: waits for the first buffer swap in LOG (polled every 20 ms) and prints
# the wall-clock seconds since START.
first_frame() {
  local end=$((SECONDS + 60))
  until grep -q wglSwapBuffers "$1"; do
    [ $SECONDS -ge $end ] && { echo "never"; return; }
    sleep 0.02
  done
  awk -v a="$2" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'
}
linux_pid() { pgrep -f "$1" | head -1; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
rss_kib() { awk '/VmRSS/ { print $2 }' "/proc/$1/status"; }

# The saver: start, first frame, then the host's CPU over $seconds and its memory.
log=$BENCH_DIR/saver.log
start=$(now)
WINEDEBUG=+wgl wine "$build/bin/Korvane.scr" /s >"$log" 2>&1 </dev/null &
saver=$!
saver_first=$(first_frame "$log" "$start")
host=$(linux_pid 'Korvane.scr')
t0=$(cpu_ticks "$host")
sleep "$seconds"
host_cpu=$(( $(cpu_ticks "$host") - t0 ))
host_rss=$(rss_kib "$host")
xdotool key --window "$(xdotool search --name '^Korvane_VC$' | head -1)" Escape 2>/dev/null ||
  WINEDEBUG=-all wine cmd /c exit
wait $saver || true

# The reference loop started directly: how long any lattice program takes to its first frame.
log=$BENCH_DIR/reference.log
start=$(now)
WINEDEBUG=+wgl wine "$build/bench-bin/bench_reference_loop.exe" >"$log" 2>&1 </dev/null &
reference=$!
reference_first=$(first_frame "$log" "$start")
xdotool key --window "$(xdotool search --name '^Korvane_Reference$' | head -1)" Escape 2>/dev/null || true
wait $reference || true

# An idle message loop: CPU and memory of doing nothing under Wine.
wine "$build/bench-bin/bench_idle_program.exe" >/dev/null 2>&1 </dev/null &
idle=$!
bench_wait_for 30 xdotool search --name '^Korvane_Idle$' || sleep 3
idle_pid=$(linux_pid 'bench_idle_program')
t0=$(cpu_ticks "$idle_pid")
sleep "$seconds"
idle_cpu=$(( $(cpu_ticks "$idle_pid") - t0 ))
idle_rss=$(rss_kib "$idle_pid")
kill "$idle_pid" 2>/dev/null || true
wait $idle 2>/dev/null || true

echo "start to first frame: saver $saver_first s, reference loop alone $reference_first s"
awk -v a="$host_cpu" -v b="$idle_cpu" -v hz="$hz" -v s="$seconds" 'BEGIN {
  printf "CPU while waiting: host %.2f%% of a core, idle program %.2f%%\n", 100 * a / hz / s, 100 * b / hz / s }'
echo "memory (resident): host $host_rss KiB, idle program $idle_rss KiB"
