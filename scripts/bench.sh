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

bench_prefix() {
  local prefix=$1
  [ -f "$prefix/.korvane-ready" ] && return 0
  echo "bench: creating Wine prefix $prefix (once per build tree)" >&2
  rm -rf "$prefix"
  mkdir -p "$prefix"
  WINEPREFIX=$prefix wineboot --init >/dev/null 2>&1 || true
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
  WINEPREFIX=$prefix wine regedit /S "$(WINEPREFIX=$prefix winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
  WINEPREFIX=$prefix wineserver -w
  touch "$prefix/.korvane-ready"
}

bench_up() {
  local build=${1:?build dir}
  build=$(cd "$build" && pwd)
  export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # Code page 932 for Wine programs; LC_ALL would override LANG, so it goes.
  unset LC_ALL LC_CTYPE LC_MESSAGES
  export LANG=ja_JP.UTF-8
  export WINEPREFIX=$build/wineprefix
  bench_prefix "$WINEPREFIX"

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
