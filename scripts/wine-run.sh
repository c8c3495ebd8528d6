#!/usr/bin/env bash
# Runs one Win32 program of the build under the bench's Wine (ctest's emulator), in the bench
# lane ctest gave the test.
# The program's output goes through a file: Wine's helper processes inherit the handles
# of the first program that opens a window and would hold a caller's pipe open.
if [ -z "${KORVANE_BENCH:-}" ]; then
  echo "wine-run.sh: no test bench; run the tests with scripts/test.sh" >&2
  exit 2
fi
# shellcheck source=bench.sh
source "$(dirname "$0")/bench.sh"
bench_enter_lane
out=$(mktemp "$BENCH_LANE_DIR/out.XXXXXX")
wine "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
if [ $rc -ne 0 ]; then
  echo "wine-run.sh: $1 ended with exit code $rc in lane ${BENCH_LANE:-?} ($WINEPREFIX, DISPLAY $DISPLAY)" >&2
fi
rm -f "$out"
exit $rc
