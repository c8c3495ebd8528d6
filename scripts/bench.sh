#!/usr/bin/env bash
# The test bench: a Wine prefix cached in the build tree, a private Xvfb display, a private
# PulseAudio null sink recorded in real time, Japanese fonts and code page 932.
#
#   source scripts/bench.sh; bench_up BUILD_DIR; ...; bench_down
#
# bench_up exports everything Wine programs and tests need (see wine-run.sh); every call
# gets its own display, sound server and capture file, so two runs never meet.

BENCH_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

bench_free_display() {
  local n
  for n in $(seq 90 190); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; return; }
  done
  return 1
}

bench_wait_for() { # seconds, command...
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

# True once process PID has ended, waited for or not (an unreaped child is a zombie).
bench_ended() { [ ! -e "/proc/$1" ] || grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }

bench_prefix() {
  local prefix=$1
  [ -f "$prefix/.korvane-ready" ] && return 0
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
  touch "$prefix/.korvane-ready"
}

# Wine's own Marlett (Debian fonts-wine) draws the caption buttons; without it the close box
# shows an "r". This Wine does not load the fonts of its data folder by itself, and only
# Marlett is copied: Wine's Tahoma would push out the Japanese replacement for Tahoma.
bench_marlett() {
  local fonts=$1/drive_c/windows/Fonts
  [ -f "$fonts/marlett.ttf" ] || { mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"; } ||
    echo "bench: warning: no Marlett (fonts-wine missing?)" >&2
}

bench_up() {
  local build=${1:?build dir}
  build=$(cd "$build" && pwd)
  export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # Code page 932 for Wine programs; LC_ALL would override LANG, so it goes.
  unset LC_ALL LC_CTYPE LC_MESSAGES
  export LANG=ja_JP.UTF-8
  export WINEPREFIX=$build/wineprefix
  bench_prefix "$WINEPREFIX" || return 1
  bench_marlett "$WINEPREFIX"

  BENCH_DIR=$(mktemp -d /tmp/korvane-bench.XXXXXX)
  export BENCH_DIR

  if [ -z "${BENCH_USE_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    local n
    n=$(bench_free_display)
    Xvfb ":$n" -screen 0 1024x768x24 +extension GLX -nolisten tcp -noreset >"$BENCH_DIR/xvfb.log" 2>&1 &
    echo $! > "$BENCH_DIR/xvfb.pid"
    export DISPLAY=":$n"
    bench_wait_for 20 xdpyinfo -display "$DISPLAY" || { echo "bench: Xvfb did not start" >&2; return 1; }
  fi

  # PulseAudio with only a null sink: what Wine plays is recorded at wall-clock pace.
  export XDG_RUNTIME_DIR=$BENCH_DIR/run HOME=$BENCH_DIR/home
  mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
  chmod 700 "$XDG_RUNTIME_DIR"
  cat > "$BENCH_DIR/pulse.pa" <<PA
load-module module-native-protocol-unix
load-module module-null-sink sink_name=capture rate=44100 channels=2
set-default-sink capture
PA
  pulseaudio -n -F "$BENCH_DIR/pulse.pa" --exit-idle-time=-1 --daemonize=no \
    --use-pid-file=no --system=no >"$BENCH_DIR/pulse.log" 2>&1 &
  echo $! > "$BENCH_DIR/pulse.pid"
  bench_wait_for 20 pactl info || { echo "bench: PulseAudio did not start" >&2; cat "$BENCH_DIR/pulse.log" >&2; return 1; }

  # One recording for the whole run; tests read it from the byte offset where they began.
  export KORVANE_CAPTURE=$BENCH_DIR/capture.raw
  parec -d capture.monitor --format=s16le --rate=44100 --channels=2 --latency-msec=20 \
    > "$KORVANE_CAPTURE" 2>"$BENCH_DIR/parec.log" &
  echo $! > "$BENCH_DIR/parec.pid"
  bench_wait_for 10 test -s "$KORVANE_CAPTURE" || echo "bench: warning: capture is not growing" >&2

  # Start the prefix's services with their output away from any caller's pipe.
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  export KORVANE_BENCH=1
}

bench_down() {
  # Runs from exit traps: no failing step may stop it before the folder is gone.
  local -
  set +e
  [ -n "${BENCH_DIR:-}" ] || return 0
  # No server left (the last test ran in a prefix of its own) is not a failure.
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  local p
  for p in parec pulse xvfb; do
    [ -f "$BENCH_DIR/$p.pid" ] && kill "$(cat "$BENCH_DIR/$p.pid")" >/dev/null 2>&1
  done
  wait >/dev/null 2>&1
  rm -rf "$BENCH_DIR"
  unset BENCH_DIR KORVANE_BENCH
}

# The second display set-up, for tests that need two monitors: a nested X server on the
# bench's display showing Wine 0,0-1024,768 (primary) and 1024,0-1824,600 side by side, and a
# Wine prefix of its own that takes its monitors from Xinerama (the bench's prefix keeps the
# one monitor every other test expects). Needs bench_up first; switches DISPLAY and
# WINEPREFIX for the caller until bench_two_monitors_down.
bench_two_monitors_up() {
  local build=${1:?build dir}
  local n
  n=$(bench_free_display) || return 1
  Xephyr ":$n" -screen 1024x768 -screen 800x600 +xinerama -ac -nolisten tcp -noreset \
    >"$BENCH_DIR/xephyr.log" 2>&1 &
  echo $! > "$BENCH_DIR/xephyr.pid"
  bench_wait_for 20 xdpyinfo -display ":$n" || { echo "bench: Xephyr did not start" >&2; return 1; }
  local prefix=$build/wineprefix-two-monitors
  bench_prefix "$prefix" || return 1
  bench_marlett "$prefix"
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
  [ -f "$BENCH_DIR/xephyr.pid" ] && kill "$(cat "$BENCH_DIR/xephyr.pid")" >/dev/null 2>&1
  rm -f "$BENCH_DIR/xephyr.pid"
  export DISPLAY=$BENCH_ONE_MONITOR_DISPLAY WINEPREFIX=$BENCH_ONE_MONITOR_PREFIX
  unset BENCH_ONE_MONITOR_DISPLAY BENCH_ONE_MONITOR_PREFIX
}
