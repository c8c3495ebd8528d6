#!/usr/bin/env bash
# Builds the fuzz targets natively (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# into FUZZ_BUILD_DIR (default build-fuzz/), replays each target's seed corpus (fuzz/corpus/),
# then fuzzes each target for SECONDS (default 60) and prints what it ran and found.
#   scripts/fuzz.sh [SECONDS]
# Inputs that crash a target or break one of its checks are saved in the build tree's
# findings/ folder; the script then fails. New inputs found along the way stay in the build
# tree's corpus/, so a later run starts from them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
targets=(argument_text_fuzz settings_value_fuzz mci_reply_fuzz)

command -v clang++ >/dev/null || "$root/scripts/install-deps.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
  CXX=clang++ cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -- -j"$(nproc)" >/dev/null

failed=0
printf '%-22s %12s %10s %8s %s\n' target executions 'per second' corpus findings
for target in "${targets[@]}"; do
  seeds=$root/fuzz/corpus/${target%_fuzz}
  corpus=$build/corpus/${target%_fuzz}
  findings=$build/findings/${target%_fuzz}
  log=$build/$target.log
  mkdir -p "$corpus" "$findings"
  # Every seed once: the tests' own cases must pass the target's checks.
  if ! "$build/$target" -runs=0 "$seeds" >"$log.replay" 2>&1; then
    echo "$target: a seed input fails (see $log.replay)" >&2
    failed=1
    continue
  fi
  status=0
  "$build/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=1024 \
    -artifact_prefix="$findings/" "$corpus" "$seeds" >"$log" 2>&1 || status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  units=$(find "$corpus" -type f | wc -l)
  found=$(find "$findings" -type f | wc -l)
  printf '%-22s %12s %10s %8s %s\n' "$target" "$runs" "$rate" "$units" "$found"
  if [ "$status" -ne 0 ] || [ "$found" -gt 0 ]; then
    echo "$target: found a failing input (exit $status); see $log and $findings/" >&2
    grep -m5 -E 'broken:|ERROR:|runtime error' "$log" >&2 || true
    failed=1
  fi
done
exit $failed
