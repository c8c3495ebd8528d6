#!/usr/bin/env bash
# Runs a command (a Wine test program, say) inside the bench's two-monitor set-up.
#   scripts/with-two-monitors.sh BUILD_DIR COMMAND...
# Expects the environment of bench_up (scripts/test.sh gives it to ctest).
set -uo pipefail
build=${1:?build dir}; shift
# shellcheck source=bench.sh
source "$(dirname "$0")/bench.sh"
[ -n "${BENCH_DIR:-}" ] || { echo "with-two-monitors: run inside the bench (scripts/test.sh)" >&2; exit 1; }
trap bench_two_monitors_down EXIT
bench_two_monitors_up "$build" || exit 1
"$@"
