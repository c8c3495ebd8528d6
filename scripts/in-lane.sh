#!/usr/bin/env bash
# Runs a command (a test script) in the bench lane ctest gave the test.
#   scripts/in-lane.sh COMMAND...
if [ -z "${KORVANE_BENCH:-}" ]; then
  echo "in-lane.sh: no test bench; run the tests with scripts/test.sh" >&2
  exit 2
fi
# shellcheck source=bench.sh
source "$(dirname "$0")/bench.sh"
bench_enter_lane
exec "$@"
