#!/usr/bin/env bash
# Korvane.dll asks for 1024 x 768 at 32 bits per pixel, full screen, and puts the registry's
# mode back at its end: read from Wine's trace of every ChangeDisplaySettings call (+system),
# since the bench's screen already is 1024 x 768 and the window alone would not tell.
#   display_mode_test.sh KORVANE_DLL   (inside the bench, as ctest runs it from scripts/test.sh)
set -u
renderer=${1:?the renderer program}
[ -n "${KORVANE_BENCH:-}" ] || { echo "no test bench; run the tests with scripts/test.sh" >&2; exit 2; }
# shellcheck source=../../scripts/bench.sh
source "$(dirname "$0")/../../scripts/bench.sh"
fail() { echo "FAILED: $*" >&2; exit 1; }

# Wine writes its traces to the standard error: a file, never a pipe.
trace=$(mktemp "$BENCH_DIR/display-mode.XXXXXX")
trap 'rm -f "$trace"' EXIT
WINEDEBUG=+system wine "$renderer" >/dev/null 2>"$trace" </dev/null &
pid=$!
bench_wait_for 30 xdotool search --name '^Korvane_VC$' || fail "no window titled Korvane_VC appeared"
bench_escape_until_ended Korvane_VC "$pid" 30 || fail "the renderer did not end on Escape"
wait "$pid" || fail "the renderer ended with exit code $?"

expected='NtUserChangeDisplaySettings (null) <address> (nil) 0x4 (nil)
NtUserChangeDisplaySettings flags=FULLSCREEN
trace_devmode dmFields=BITSPERPEL,PELSWIDTH,PELSHEIGHT,DISPLAYFREQUENCY dmBitsPerPel=32 dmPelsWidth=1024 dmPelsHeight=768 dmDisplayFrequency=0
NtUserChangeDisplaySettings (null) (nil) (nil) 0 (nil)
NtUserChangeDisplaySettings flags='
# Only the renderer's own thread: the one that asks for full screen. Wine's desktop process,
# started by the renderer when no program of the prefix had started it yet, traces its own
# calls to the same place.
thread=$(grep -m1 'trace:system:NtUserChangeDisplaySettings (null) .* 0x4 ' "$trace" | cut -d: -f1)
calls=$(grep "^${thread:-none}:" "$trace" |
  grep -o 'trace:system:\(NtUserChangeDisplaySettings\|trace_devmode\) .*' |
  sed -e 's/^trace:system://' -e 's/0x[0-9a-f]\{5,\}/<address>/g' -e 's/[[:space:]]*$//')
if [ "$calls" != "$expected" ]; then
  echo "display-mode calls expected:" >&2; echo "$expected" >&2
  echo "but the renderer made:" >&2; echo "${calls:-(none)}" >&2
  exit 1
fi
echo "the renderer asked for 1024x768x32 full screen and restored the mode"
