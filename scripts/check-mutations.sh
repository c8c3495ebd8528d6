#!/usr/bin/env bash
# Proves that the tests catch the timing faults they are there for. Each fault is planted in
# a source file by a sed expression held here (never kept in the product), the test programs
# that must catch it are built and run under the bench, a failure is expected, and the file is
# put back, also when the script is stopped. Prints, for each fault, the test cases that failed.
#   scripts/check-mutations.sh [FAULT...]     (default: every fault below)
# Uses the tests' tree (build-ubsan/, or TEST_BUILD_DIR) that scripts/test.sh builds; run that
# first. Faults whose sed expression no longer changes its file are reported as stale.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TEST_BUILD_DIR:-$root/build-ubsan}
[ -f "$build/CMakeCache.txt" ] || { echo "check-mutations: run scripts/test.sh first" >&2; exit 2; }

# name, the ctest entries that must fail (blank-separated), the file, the sed expression.
faults=(
  "mp3-repeat-5000|shell_saver_host_test|shell/saver_host/saver_host.cpp|s/kMp3RepeatMs = 1000;/kMp3RepeatMs = 5000;/"
  "timer1-never-on|shell_saver_host_test|shell/saver_host/saver_host.cpp|s/Timer1\.SetEnabled(true);/Timer1.SetEnabled(false);/"
  "follow-1000|shell_saver_host_test shell_two_monitors_e2e_test|shell/saver_host/black_monitors.cpp|s/kFollowMs = 100;/kFollowMs = 1000;/"
  "cd-poll-240|shell_saver_host_test|shell/saver_host/saver_host.cpp|s/kCdPollMs = 200;/kCdPollMs = 240;/"
  "watch-600|shell_saver_host_test|shell/saver_host/saver_host.cpp|s/kRendererWatchMs = 500;/kRendererWatchMs = 600;/"
  "tmrmouse-120|shell_button_test|shell/button/command.h|s/kTmrMouseInterval = 100;/kTmrMouseInterval = 120;/"
  "tmrmouse-150|shell_button_test|shell/button/command.h|s/kTmrMouseInterval = 100;/kTmrMouseInterval = 150;/"
  # A player that pauses 3 s after every second loop: the test's own file stands in for it.
  "wav-gap-every-second-loop|shell_music_wav_test|tests/shell/music/wav_player_test.cpp|s/ToneWaveBytes({{kToneSeconds, 440}, {kFileSeconds - kToneSeconds, 0}})/ToneWaveBytes({{kToneSeconds, 440}, {kFileSeconds - kToneSeconds, 0}, {kToneSeconds, 440}, {kFileSeconds - kToneSeconds + 3, 0}})/"
  # Every fourth "playing" is taken for "not playing": that play is cut short by a restart.
  "mp3-play-in-four-cut|shell_music_mp3_test|shell/music/mp3_player.cpp|s/return \(TextUpToNul(modeBuffer, kModeCapacity).substr(0, 7) == \"playing\"\);/static int plays = 0; return \1 \&\& ++plays % 4 != 0;/"
)

planted= saved=
restore() {
  if [ -n "$planted" ]; then
    cp -p "$saved" "$root/$planted"
    touch "$root/$planted"  # newer than the faulty build, so the next build redoes it
    rm -f "$saved"
    planted=
  fi
}
trap 'restore; bench_down >/dev/null 2>&1' EXIT
trap 'exit 130' INT TERM

# shellcheck source=bench.sh
source "$root/scripts/bench.sh"
bench_up "$build" 2 >"$build/check-mutations-bench.log" 2>&1 || { cat "$build/check-mutations-bench.log" >&2; exit 1; }
logs=$build/check-mutations
mkdir -p "$logs"

# Runs ctest entries; prints the failed entries and their failed test cases, one line.
run_tests() { # log entries...
  local log=$1; shift
  local regex
  regex="^($(IFS='|'; echo "$*"))\$"
  (cd "$build" && ctest --output-on-failure --timeout 600 -j 2 -R "$regex") >"$log" 2>&1
  local status=$?
  local failed
  failed=$(grep -oE '^\[  FAILED  \] [A-Za-z0-9_]+\.[A-Za-z0-9_]+' "$log" | sort -u | sed 's/^\[  FAILED  \] //' | paste -sd' ')
  echo "$status|$(grep -oE '[0-9]+ - [a-z0-9_]+ \([A-Za-z ]+\)' "$log" | sed 's/^[0-9]* - //; s/ (.*)//' | paste -sd' ')|$failed"
}

selected=("$@")
wanted() {
  [ ${#selected[@]} -eq 0 ] && return 0
  local s
  for s in "${selected[@]}"; do [ "$s" = "$1" ] && return 0; done
  return 1
}

# Every test program used below must pass before any fault is planted.
all=()
for f in "${faults[@]}"; do
  IFS='|' read -r name tests _ _ <<<"$f"
  wanted "$name" && all+=($tests)
done
mapfile -t all < <(printf '%s\n' "${all[@]}" | sort -u)
echo "check-mutations: building and running ${all[*]} as they are"
cmake --build "$build" --target "${all[@]}" -- -j2 >"$logs/build.log" 2>&1 || { tail -30 "$logs/build.log"; exit 1; }
IFS='|' read -r status entries cases <<<"$(run_tests "$logs/unchanged.log" "${all[@]}")"
if [ "$status" -ne 0 ]; then
  echo "check-mutations: the tests fail without a fault ($entries: $cases); see $logs/unchanged.log" >&2
  exit 1
fi

result=0
printf '%-27s %-30s %s\n' "fault" "failed (ctest)" "failed test cases"
for f in "${faults[@]}"; do
  IFS='|' read -r name tests file expression <<<"$f"
  wanted "$name" || continue
  saved=$(mktemp)
  cp -p "$root/$file" "$saved"
  planted=$file
  sed -i "$expression" "$root/$file"
  if cmp -s "$saved" "$root/$file"; then
    printf '%-27s %s\n' "$name" "STALE: the expression no longer changes $file"
    restore
    result=1
    continue
  fi
  # shellcheck disable=SC2086
  if ! cmake --build "$build" --target $tests -- -j2 >"$logs/$name-build.log" 2>&1; then
    printf '%-27s %s\n' "$name" "does not build: see $logs/$name-build.log"
    restore
    result=1
    continue
  fi
  # shellcheck disable=SC2086
  IFS='|' read -r status entries cases <<<"$(run_tests "$logs/$name.log" $tests)"
  restore
  if [ "$status" -eq 0 ]; then
    printf '%-27s %s\n' "$name" "NOT CAUGHT: $tests passed"
    result=1
  else
    printf '%-27s %-30s %s\n' "$name" "$entries" "$cases"
  fi
done

echo "check-mutations: building the tests again without faults"
# shellcheck disable=SC2068
cmake --build "$build" --target ${all[@]} -- -j2 >"$logs/build.log" 2>&1 || result=1
exit $result
