#!/usr/bin/env bash
# The test bench: Wine prefixes cached in the build tree, private Xvfb displays, private
# PulseAudio null sinks recorded in real time, Japanese fonts and code page 932.
#
#   source scripts/bench.sh; bench_up BUILD_DIR [LANES]; ...; bench_down
#
# A bench has one or more lanes. Each lane is a world of its own: a Wine prefix (so a Wine
# server of its own), an X display and a sound server with its capture file. Programs in two
# lanes never see each other's windows, sounds or single-instance titles, so ctest can run one
# test program per lane side by side. bench_up leaves the caller in lane 1; bench_enter_lane
# switches to the lane ctest gave a test (wine-run.sh and the test scripts call it).

BENCH_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

bench_wait_for() { # seconds, command...
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.1
  done
}

# True once process PID has ended, waited for or not (an unreaped child is a zombie).
bench_ended() { [ ! -e "/proc/$1" ] || grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }

# Presses Escape in the window titled TITLE, focused first, until process PID has ended, for
# up to SECONDS. A press that comes while Wine is still mapping or focusing the window is lost
# (seen once on a busy machine: BadWindow, and no end), so it is pressed again, as a person
# would. False when the process is still there.
bench_escape_until_ended() { # title pid seconds
  local title=$1 pid=$2 end=$((SECONDS + $3)) window
  until bench_ended "$pid"; do
    [ $SECONDS -ge $end ] && return 1
    window=$(xdotool search --name "^$title\$" 2>/dev/null | head -1)
    if [ -n "$window" ]; then
      timeout 2 xdotool windowfocus --sync "$window" >/dev/null 2>&1
      xdotool key Escape >/dev/null 2>&1
    fi
    bench_wait_for 2 bench_ended "$pid"
  done
}

# What every Wine program of the bench runs with: 64-bit Wine, quiet, no Mono or Gecko
# prompts, and code page 932 (LC_ALL would override LANG, so it goes).
bench_env() {
  export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  unset LC_ALL LC_CTYPE LC_MESSAGES
  export LANG=ja_JP.UTF-8
}

# Starts an X server (Xvfb or Xephyr and their arguments) on a display number it picks
# itself, so that two benches starting at once never take the same one. Prints the number;
# the server's process id goes to PID_FILE.
bench_x_server() { # pid_file log server args...
  local pid_file=$1 log=$2; shift 2
  local number_file=$pid_file.display
  rm -f "$number_file"
  "$@" -displayfd 9 9>"$number_file" >"$log" 2>&1 &
  echo $! > "$pid_file"
  bench_wait_for 20 test -s "$number_file" || return 1
  local n
  n=$(head -1 "$number_file")
  bench_wait_for 20 xdpyinfo -display ":$n" || return 1
  echo "$n"
}

# What a ready prefix holds; a prefix made for another version of the settings is made again.
BENCH_PREFIX_VERSION=2

bench_prefix() {
  local prefix=$1
  [ "$(cat "$prefix/.korvane-ready" 2>/dev/null)" = "$BENCH_PREFIX_VERSION" ] && return 0
  echo "bench: creating Wine prefix $prefix (once per build tree)" >&2
  rm -rf "$prefix"
  mkdir -p "$prefix"
  if ! WINEPREFIX=$prefix wineboot --init >"$prefix/wineboot.log" 2>&1 </dev/null; then
    echo "bench: wineboot could not create the Wine prefix $prefix:" >&2
    tail -20 "$prefix/wineboot.log" >&2
    return 1
  fi
  WINEPREFIX=$prefix wineserver -w
  # Japanese faces map to the IPA fonts; a crash must end a program, not wait on a dialog.
  local reg=$prefix/korvane-bench.reg
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    local face
    for face in "MS UI Gothic" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "ＭＳ Ｐゴシック" "MS PGothic" "ＭＳ ＵＩ Gothic"; do
      printf '"%s"="IPAPGothic"\r\n' "$face"
    done
    for face in "ＭＳ ゴシック" "MS Gothic"; do
      printf '"%s"="IPAGothic"\r\n' "$face"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"UseTakeFocus"="N"\r\n'
    # As Windows is set by default: keyboard cues (focus rectangles, access-key underlines)
    # hidden until the keyboard is used. Wine's default shows them always.
    printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"UserPreferencesMask"=hex:10,00,02,80,12,00,00,00\r\n'
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
  WINEPREFIX=$prefix wine regedit /S "$(WINEPREFIX=$prefix winepath -w "$reg" 2>/dev/null)" \
    >"$prefix/regedit.log" 2>&1 </dev/null
  WINEPREFIX=$prefix wineserver -w
  # regedit's exit code says nothing; the saved registry does.
  if ! grep -q '"MS PGothic"="IPAPGothic"' "$prefix/user.reg" 2>/dev/null; then
    echo "bench: the font replacements did not reach the Wine prefix $prefix:" >&2
    tail -20 "$prefix/regedit.log" >&2
    return 1
  fi
  if ! grep -q '"UserPreferencesMask"=hex:10,' "$prefix/user.reg" 2>/dev/null; then
    echo "bench: the keyboard cues setting did not reach the Wine prefix $prefix" >&2
    return 1
  fi
  bench_marlett "$prefix"
  echo "$BENCH_PREFIX_VERSION" > "$prefix/.korvane-ready"
}

# A prefix made as a copy of a ready one (much quicker than booting another), made again
# whenever the original was. No Wine server may be running in either while it is copied.
bench_prefix_stale() { # original copy
  [ ! -f "$2/.korvane-ready" ] || [ "$1/.korvane-ready" -nt "$2/.korvane-ready" ]
}

bench_prefix_copy() { # original copy
  local original=$1 copy=$2
  bench_prefix_stale "$original" "$copy" || return 0
  rm -rf "$copy"
  cp -a "$original" "$copy" || return 1
  touch "$copy/.korvane-ready"
}

# Wine's own Marlett (Debian fonts-wine) draws the caption buttons; without it the close box
# shows an "r". This Wine does not load the fonts of its data folder by itself, and only
# Marlett is copied: Wine's Tahoma would push out the Japanese replacement for Tahoma.
bench_marlett() {
  local fonts=$1/drive_c/windows/Fonts
  [ -f "$fonts/marlett.ttf" ] || { mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"; } ||
    echo "bench: warning: no Marlett (fonts-wine missing?)" >&2
}

# The Wine prefix of lane N of a build tree: the first is booted, the others are copies.
bench_lane_prefix() { # build lane
  if [ "$2" -eq 1 ]; then echo "$1/wineprefix"; else echo "$1/wineprefix-lane$2"; fi
}

# Every prefix the lanes need, ready on disk; safe to run before the bench is up (while the
# build runs, say) and again.
bench_prefixes() { # build lanes
  local build=$1 lanes=${2:-1} k
  bench_env
  bench_prefix "$(bench_lane_prefix "$build" 1)" || return 1
  for ((k = 2; k <= lanes; k++)); do
    bench_prefix_copy "$(bench_lane_prefix "$build" 1)" "$(bench_lane_prefix "$build" "$k")" || return 1
  done
}

# Lane K's display, sound server and capture; its settings go to $BENCH_DIR/laneK/env.
bench_lane_up() { # build lane
  local build=$1 k=$2
  local dir=$BENCH_DIR/lane$k
  mkdir -p "$dir/run" "$dir/home"
  chmod 700 "$dir/run"
  local display
  if [ "$k" -eq 1 ] && [ -n "${BENCH_USE_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ]; then
    display=$DISPLAY
  else
    local n
    n=$(bench_x_server "$dir/xvfb.pid" "$dir/xvfb.log" \
          Xvfb -screen 0 1024x768x24 +extension GLX -nolisten tcp -noreset) ||
      { echo "bench: Xvfb did not start for lane $k" >&2; return 1; }
    display=:$n
  fi

  # PulseAudio with only a null sink: what Wine plays is recorded at wall-clock pace.
  cat > "$dir/pulse.pa" <<PA
load-module module-native-protocol-unix
load-module module-null-sink sink_name=capture rate=44100 channels=2
set-default-sink capture
PA
  XDG_RUNTIME_DIR=$dir/run HOME=$dir/home pulseaudio -n -F "$dir/pulse.pa" --exit-idle-time=-1 \
    --daemonize=no --use-pid-file=no --system=no >"$dir/pulse.log" 2>&1 &
  echo $! > "$dir/pulse.pid"
  XDG_RUNTIME_DIR=$dir/run HOME=$dir/home bench_wait_for 20 pactl info ||
    { echo "bench: PulseAudio did not start for lane $k" >&2; cat "$dir/pulse.log" >&2; return 1; }
  # One recording for the whole run; tests read it from the byte offset where they began.
  XDG_RUNTIME_DIR=$dir/run HOME=$dir/home parec -d capture.monitor --format=s16le --rate=44100 \
    --channels=2 --latency-msec=20 > "$dir/capture.raw" 2>"$dir/parec.log" &
  echo $! > "$dir/parec.pid"

  # GStreamer (Wine's MP3 decoder) keeps its plugin registry in the build tree, not in the
  # lane's fresh home, so it is scanned once per tree rather than in every run.
  mkdir -p "$build/bench-cache/lane$k"
  cat > "$dir/env" <<ENV
export BENCH_LANE=$k BENCH_LANE_DIR='$dir'
export DISPLAY='$display' WINEPREFIX='$(bench_lane_prefix "$build" "$k")'
export XDG_RUNTIME_DIR='$dir/run' HOME='$dir/home' XDG_CACHE_HOME='$build/bench-cache/lane$k'
export KORVANE_CAPTURE='$dir/capture.raw'
ENV
}

# Switches this shell to the lane that ctest gave the running test (CTEST_RESOURCE_GROUP_0_LANES
# holds "id:K,slots:1"), or keeps the current one when ctest gave none.
bench_enter_lane() {
  local given=${CTEST_RESOURCE_GROUP_0_LANES:-}
  [ -n "$given" ] || return 0
  local k=${given#id:}
  k=${k%%,*}
  # shellcheck source=/dev/null
  source "$BENCH_DIR/lane$k/env"
}

bench_up() {
  local build=${1:?build dir} lanes=${2:-1} k
  build=$(cd "$build" && pwd)
  bench_env
  bench_prefixes "$build" "$lanes" || return 1

  BENCH_DIR=$(mktemp -d /tmp/korvane-bench.XXXXXX)
  export BENCH_DIR BENCH_LANES=$lanes
  for ((k = 1; k <= lanes; k++)); do
    bench_lane_up "$build" "$k" || return 1
  done
  # ctest's resource file: one "lanes" slot per lane.
  {
    printf '{"version": {"major": 1, "minor": 0}, "local": [{"lanes": ['
    for ((k = 1; k <= lanes; k++)); do
      printf '%s{"id": "%d", "slots": 1}' "$([ "$k" -gt 1 ] && echo ', ')" "$k"
    done
    printf ']}]}\n'
  } > "$BENCH_DIR/lanes.json"

  # The captures must be growing, and each prefix's server and services started with their
  # output away from any caller's pipe; the lanes do both side by side.
  local starting=()
  for ((k = 1; k <= lanes; k++)); do
    (
      # shellcheck source=/dev/null
      source "$BENCH_DIR/lane$k/env"
      bench_wait_for 10 test -s "$KORVANE_CAPTURE" || echo "bench: warning: lane $k's capture is not growing" >&2
      # A Wine server that stays between test programs (for a minute after the last, should
      # the bench be left without bench_down): a test program then starts without starting
      # the prefix's server, services and desktop again, and those never inherit a test's
      # output or its trace settings.
      wineserver -p60 >/dev/null 2>&1 </dev/null
      wine cmd /c exit >/dev/null 2>&1 </dev/null || true
    ) &
    starting+=($!)
  done
  wait "${starting[@]}"
  # shellcheck source=/dev/null
  source "$BENCH_DIR/lane1/env"
  export KORVANE_BENCH=1
}

bench_down() {
  # Runs from exit traps: no failing step may stop it before the folder is gone.
  local -
  set +e
  [ -n "${BENCH_DIR:-}" ] || return 0
  local env p
  for env in "$BENCH_DIR"/lane*/env; do
    [ -f "$env" ] || continue
    # No server left (the last test ran in a prefix of its own) is not a failure.
    (source "$env"; wineserver -k >/dev/null 2>&1) || true
  done
  for p in "$BENCH_DIR"/lane*/{parec,pulse,xvfb,xephyr}.pid; do
    [ -f "$p" ] && kill "$(cat "$p")" >/dev/null 2>&1
  done
  wait >/dev/null 2>&1
  rm -rf "$BENCH_DIR"
  unset BENCH_DIR BENCH_LANES KORVANE_BENCH
}

# The second display set-up, for tests that need two monitors: a nested X server on the
# lane's display showing Wine 0,0-1024,768 (primary) and 1024,0-1824,600 side by side, and a
# Wine prefix of its own that takes its monitors from Xinerama (the lanes' prefixes keep the
# one monitor every other test expects), copied from the lane's. Needs bench_up first;
# switches DISPLAY and WINEPREFIX for the caller until bench_two_monitors_down.
bench_two_monitors_up() {
  local build=${1:?build dir}
  local dir=${BENCH_LANE_DIR:?run inside the bench}
  local n
  n=$(bench_x_server "$dir/xephyr.pid" "$dir/xephyr.log" \
        Xephyr -screen 1024x768 -screen 800x600 +xinerama -ac -nolisten tcp -noreset) ||
    { echo "bench: Xephyr did not start" >&2; return 1; }
  local prefix=$build/wineprefix-two-monitors
  if bench_prefix_stale "$WINEPREFIX" "$prefix"; then
    wineserver -k >/dev/null 2>&1
    wineserver -w
    bench_prefix_copy "$WINEPREFIX" "$prefix" || return 1
  fi
  if [ ! -f "$prefix/.korvane-xinerama" ]; then
    WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1
    WINEPREFIX=$prefix wineserver -w
    touch "$prefix/.korvane-xinerama"
  fi
  BENCH_ONE_MONITOR_DISPLAY=$DISPLAY BENCH_ONE_MONITOR_PREFIX=$WINEPREFIX
  export DISPLAY=":$n" WINEPREFIX=$prefix
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

bench_two_monitors_down() {
  [ -n "${BENCH_ONE_MONITOR_PREFIX:-}" ] || return 0
  wineserver -k >/dev/null 2>&1
  [ -f "$BENCH_LANE_DIR/xephyr.pid" ] && kill "$(cat "$BENCH_LANE_DIR/xephyr.pid")" >/dev/null 2>&1
  rm -f "$BENCH_LANE_DIR/xephyr.pid"
  export DISPLAY=$BENCH_ONE_MONITOR_DISPLAY WINEPREFIX=$BENCH_ONE_MONITOR_PREFIX
  unset BENCH_ONE_MONITOR_DISPLAY BENCH_ONE_MONITOR_PREFIX
}
