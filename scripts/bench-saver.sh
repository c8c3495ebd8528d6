#!/usr/bin/env bash
# Korvane.scr /s under Wine: time from the start to the renderer's first frame, the host's CPU
# use while it waits and its memory, each next to the same figure for a minimal program in the
# same run (the reference lattice loop for the first frame, an idle message loop for the rest).
# A measurement that fails stops the script with a message.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" Korvane_programs bench_reference_loop bench_idle_program >/dev/null
build=${BUILD_DIR:-$root/build}
seconds=${BENCH_SECONDS:-8}
source "$root/scripts/bench.sh"
trap bench_down EXIT
bench_up "$build"
hz=$(getconf CLK_TCK)

fail() { echo "bench-saver: $*" >&2; exit 1; }
now() { date +%s.%N; }
# first_frame LOG START WHAT: waits for the first buffer swap in LOG (polled every 20 ms) and
# prints the wall-clock seconds since START.
first_frame() {
  local end=$((SECONDS + 60))
  until grep -q wglSwapBuffers "$1"; do
    [ $SECONDS -ge $end ] && fail "$3 drew no frame within 60 s"
    sleep 0.02
  done
  awk -v a="$2" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'
}
# Processes started with `wine program &` are that program's own process: $! is its pid.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null | grep . || fail "process $1 is gone"; }
rss_kib() { awk '/VmRSS/ { print $2 }' "/proc/$1/status" 2>/dev/null | grep . || fail "process $1 is gone"; }
# await_end PID WHAT: waits up to 30 s for a process that was told to end, and checks its exit code.
await_end() {
  bench_wait_for 30 bench_ended "$1" || fail "$2 did not end"
  wait "$1" || fail "$2 ended with exit code $?"
}

# The saver: start, first frame, then the host's CPU over $seconds and its memory.
log=$BENCH_DIR/saver.log
start=$(now)
WINEDEBUG=+wgl wine "$build/bin/Korvane.scr" /s >"$log" 2>&1 </dev/null &
host=$!
saver_first=$(first_frame "$log" "$start" "the saver")
t0=$(cpu_ticks "$host")
sleep "$seconds"
t1=$(cpu_ticks "$host")
host_cpu=$((t1 - t0))
host_rss=$(rss_kib "$host")
renderer=$(xdotool search --name '^Korvane_VC$' | head -1) || fail "the renderer's window is gone"
xdotool key --window "$renderer" Escape
await_end "$host" "the saver"

# The reference loop started directly: how long any lattice program takes to its first frame.
log=$BENCH_DIR/reference.log
start=$(now)
WINEDEBUG=+wgl wine "$build/bench-bin/bench_reference_loop.exe" >"$log" 2>&1 </dev/null &
reference=$!
reference_first=$(first_frame "$log" "$start" "the reference loop")
window=$(xdotool search --name '^Korvane_Reference$' | head -1) || fail "the reference loop's window is gone"
xdotool key --window "$window" Escape
await_end "$reference" "the reference loop"

# An idle message loop: CPU and memory of doing nothing under Wine.
wine "$build/bench-bin/bench_idle_program.exe" >/dev/null 2>&1 </dev/null &
idle=$!
bench_wait_for 30 xdotool search --name '^Korvane_Idle$' || fail "the idle program's window did not appear"
t0=$(cpu_ticks "$idle")
sleep "$seconds"
t1=$(cpu_ticks "$idle")
idle_cpu=$((t1 - t0))
idle_rss=$(rss_kib "$idle")
kill "$idle"
wait "$idle" 2>/dev/null || true

echo "start to first frame: saver $saver_first s, reference loop alone $reference_first s"
awk -v a="$host_cpu" -v b="$idle_cpu" -v hz="$hz" -v s="$seconds" 'BEGIN {
  printf "CPU while waiting: host %.2f%% of a core, idle program %.2f%%\n", 100 * a / hz / s, 100 * b / hz / s }'
echo "memory (resident): host $host_rss KiB, idle program $idle_rss KiB"
