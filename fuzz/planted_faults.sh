#!/usr/bin/env bash
# Shows that the fuzz targets and the unit tests find faults planted on purpose. For each fault:
# plant it in the source (a sed kept here, never in the product), build the fuzz target, replay
# its seeds, fuzz it from an empty corpus (up to 60 s per run, RUNS runs with different random
# seeds) and expect a finding every time; then build the unit test programs that should catch
# it and run them under the bench, expecting them to fail; then take the fault out again (on
# any exit). Prints the time to each finding and the unit tests that failed.
#   fuzz/planted_faults.sh [RUNS]        (default 3)
# Fuzz targets build into build-fuzz-planted/ (PLANTED_BUILD_DIR), unit tests into the tests'
# tree build-ubsan/ (TEST_BUILD_DIR), as scripts/test.sh builds it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-3}
fuzz_build=${PLANTED_BUILD_DIR:-$root/build-fuzz-planted}
test_build=${TEST_BUILD_DIR:-$root/build-ubsan}

# name | file | sed expression | fuzz target | unit test programs
faults=(
  "folder and trailing-backslash readers ignore Shift-JIS lead bytes|shell/text/path_text.cpp|s/const bool pair = isLeadByte(/const bool pair = false \&\& isLeadByte(/|settings_value_fuzz|shell_text_test"
  "ArgumentTextOf ignores the program's path|toolkit/command_line.cpp|s/if (StartsWithPath(line, programPath))/if (false \&\& StartsWithPath(line, programPath))/|argument_text_fuzz|toolkit_test"
)

command -v clang++ >/dev/null || "$root/scripts/install-deps.sh"
planted=
saved=$(mktemp)
undo() {
  # The original text goes back with a new time, so that every tree builds it again.
  if [ -n "$planted" ]; then cat "$saved" > "$root/$planted"; planted=; fi
}
cleanup() {
  undo
  rm -f "$saved"
  if [ -n "${BENCH_DIR:-}" ]; then bench_down; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ ! -f "$fuzz_build/CMakeCache.txt" ]; then
  CXX=clang++ cmake -S "$root/fuzz" -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# shellcheck source=../scripts/bench.sh
source "$root/scripts/bench.sh"

failed=0
summary=()
for fault in "${faults[@]}"; do
  IFS='|' read -r name file expression target tests <<<"$fault"
  echo "== $name ($file)"
  cp "$root/$file" "$saved"
  planted=$file
  sed -i "$expression" "$root/$file"
  if cmp -s "$saved" "$root/$file"; then
    echo "the fault no longer applies: $file has changed" >&2
    failed=1
    undo
    continue
  fi

  cmake --build "$fuzz_build" --target "$target" -- -j2 >/dev/null
  # The seeds are the unit tests' own cases.
  mkdir -p "$fuzz_build/planted/replay"
  if "$fuzz_build/$target" -runs=0 -artifact_prefix="$fuzz_build/planted/replay/" \
    "$root/fuzz/corpus/${target%_fuzz}" >"$fuzz_build/planted/$target.replay.log" 2>&1; then
    replay="seeds pass"
  else
    replay="a seed fails"
  fi
  times=()
  for ((run = 1; run <= runs; run++)); do
    work=$fuzz_build/planted/$target-$run
    rm -rf "$work" && mkdir -p "$work/corpus" "$work/findings"
    log=$work/fuzz.log
    start=$(date +%s.%N)
    status=0
    "$fuzz_build/$target" -seed="$run" -max_total_time=60 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$work/findings/" "$work/corpus" >"$log" 2>&1 || status=$?
    seconds=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
    if [ "$status" -ne 0 ] && [ -n "$(ls -A "$work/findings")" ]; then
      executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
      times+=("$(printf '%.1f s (%s executions)' "$seconds" "$executions")")
      grep -m1 'broken:' "$log" | sed 's/^/   /' || true
    else
      times+=("none in 60 s")
      failed=1
    fi
  done

  BUILD_DIR=$test_build KORVANE_CONFIGURE="-DKORVANE_TRAP_UNDEFINED=ON" "$root/scripts/build.sh" $tests >/dev/null
  [ -n "${BENCH_DIR:-}" ] || bench_up "$test_build" >/dev/null
  caught=()
  for program in $tests; do
    out=$fuzz_build/planted/$program.log
    if "$root/scripts/wine-run.sh" "$test_build/tests-bin/$program.exe" --gtest_color=no >"$out" 2>&1; then
      caught+=("$program passes")
      failed=1
    else
      caught+=("$program fails: $(grep -o '^\[  FAILED  \] [A-Za-z0-9_]*\.[A-Za-z0-9_/]*' "$out" | sort -u |
        sed 's/^\[  FAILED  \] //' | paste -sd ' ' -)")
    fi
  done
  undo

  found="$target found it after $(IFS=,; echo "${times[*]}")"
  summary+=("$name: $found; seed replay: $replay; unit tests: $(IFS=';'; echo "${caught[*]}")")
done

echo
echo "Planted faults:"
printf ' - %s\n' "${summary[@]}"
exit $failed
