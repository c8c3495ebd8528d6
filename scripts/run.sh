#!/usr/bin/env bash
# Installs what is missing, builds, and runs the saver under Wine.
# On $DISPLAY when there is one (close it with Escape); otherwise on a private Xvfb display,
# where it lets the lattice turn for RUN_SECONDS (default 6), saves a screenshot, ends the
# run with Escape and prints the exit code, the screenshot's path and the frame rate.
# Fails when the saver did not end by itself with exit code 0.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" Korvane_programs
build=${BUILD_DIR:-$root/build}
bin=$build/bin
seconds=${RUN_SECONDS:-6}
shot=${SCREENSHOT:-$build/screenshot.png}

# shellcheck source=bench.sh
source "$root/scripts/bench.sh"
[ -n "${DISPLAY:-}" ] && export BENCH_USE_DISPLAY=1
trap bench_down EXIT
bench_up "$build"

# The whole saver: Korvane.scr starts the music and the renderer, and ends after it.
program=("$bin/Korvane.scr" /s)
log=$BENCH_DIR/wine.log
# Every buffer swap leaves one timestamped trace line: that is the frame counter.
WINEDEBUG=+timestamp,+wgl wine "${program[@]}" >"$log" 2>&1 </dev/null &
pid=$!

if [ -n "${BENCH_USE_DISPLAY:-}" ]; then
  echo "Korvane runs on $DISPLAY; press Escape to end it."
  code=0
  wait $pid || code=$?
  echo "exit code: $code"
  exit "$code"
fi

bench_wait_for 30 xdotool search --name '^Korvane_VC$' || { echo "the renderer window did not appear" >&2; exit 1; }
sleep "$seconds"
import -window root "$shot"
bench_escape_until_ended Korvane_VC "$pid" 30 || { echo "the saver did not end within 30 s of Escape" >&2; exit 1; }
code=0
wait $pid || code=$?
# The shell's own exit code is what wine returns; the renderer's is read from its trace.
echo "exit code: $code"
echo "screenshot: $shot"
grep 'wglSwapBuffers' "$log" | awk -F: '{ t = $1 + 0; if (n == 0) first = t; last = t; n++ }
  END { if (n > 1) printf "frame rate: %.1f frames per second (%d frames in %.1f s)\n", (n - 1) / (last - first), n, last - first;
        else print "frame rate: no frames counted" }'
[ "$code" -eq 0 ] || { echo "the saver did not end cleanly (exit code $code)" >&2; exit 1; }
