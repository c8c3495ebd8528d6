#!/usr/bin/env bash
# Installs what is missing, builds the tests' tree and runs every test under the bench's Wine;
# meanwhile replays the fuzz targets' seed corpora and fuzzes each for TEST_FUZZ_SECONDS
# (default 5; scripts/fuzz.sh).
#
# The tests' tree (build-ubsan/, or TEST_BUILD_DIR) is built with undefined behaviour trapped;
# the shipped programs in build/ (scripts/run.sh) are not. ctest runs one test program per
# bench lane, TEST_LANES lanes side by side (default: one more than the cores, at most 4).
# Extra arguments go to ctest (for example: -R renderer_scene_test).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build=${TEST_BUILD_DIR:-$root/build-ubsan}
# One lane more than there are cores (at most four): the tests spend much of their time waiting.
cores=$(nproc)
lanes=${TEST_LANES:-$((cores < 3 ? cores + 1 : 4))}
mkdir -p "$build"
build=$(cd "$build" && pwd)
# shellcheck source=bench.sh
source "$root/scripts/bench.sh"

# The Wine prefixes need nothing from the build: they are made while it runs.
rm -f "$build/bench-prefixes.seconds"
{ bench_prefixes "$build" "$lanes" && echo $SECONDS >"$build/bench-prefixes.seconds"; } \
  >"$build/bench-prefixes.log" 2>&1 &
prefixes=$!
trap 'wait "$prefixes" 2>/dev/null' EXIT
BUILD_DIR=$build KORVANE_CONFIGURE="-DKORVANE_TRAP_UNDEFINED=ON" "$root/scripts/build.sh"
compiled=$SECONDS
wait "$prefixes" || { cat "$build/bench-prefixes.log" >&2; exit 1; }
built=$SECONDS

trap bench_down EXIT
bench_up "$build" "$lanes"
up=$SECONDS

# With the whole suite the fuzz targets' seeds are replayed and each target fuzzed for a few
# seconds, meanwhile and at the lowest priority: ctest's lanes spend much of their time waiting.
fuzzing=
if [ $# -eq 0 ]; then
  nice -n 19 "$root/scripts/fuzz.sh" "${TEST_FUZZ_SECONDS:-5}" >"$build/fuzz.log" 2>&1 &
  fuzzing=$!
fi
status=0
# A fixture that has to skip cases on this machine leaves a note (BUILD/*.skipped), printed at
# the end.
rm -f "$build"/*.skipped
# ctest takes the bench's lanes from BENCH_DIR (tests/bench_lanes.cmake).
(cd "$build" && ctest --output-on-failure --timeout 600 -j "$lanes" "$@") ||
  status=$?
bench_down
tested=$SECONDS
if [ -n "$fuzzing" ]; then
  wait "$fuzzing" || status=1
  cat "$build/fuzz.log"
fi
for note in "$build"/*.skipped; do
  if [ -e "$note" ]; then echo "test.sh: SKIPPED $(cat "$note")"; fi
done
echo "test.sh: build and Wine prefixes $built s (the build $compiled s, the prefixes $(cat "$build/bench-prefixes.seconds") s)," \
  "bench $((up - built)) s, tests $((tested - up)) s," \
  "then fuzzing $((SECONDS - tested)) s more; $SECONDS s in all"
exit $status
