#!/usr/bin/env bash
# Takes the picture of the settings dialog shown in the README: runs `Korvane.scr /c` on the
# bench's Xvfb display with a music file chosen, and saves the dialog's window.
#   scripts/screenshot-settings-dialog.sh [output.png]   (default: docs/settings-dialog.png)
#   DPI=144 scripts/screenshot-settings-dialog.sh docs/settings-dialog-144dpi.png
# With DPI set, the dialog runs in a throwaway copy of the bench's prefix at that resolution.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/settings-dialog.png}
"$root/scripts/build.sh" Korvane_programs >/dev/null
build=${BUILD_DIR:-$root/build}
# shellcheck source=bench.sh
source "$root/scripts/bench.sh"
unset BENCH_USE_DISPLAY
bench_up "$build" >/dev/null 2>&1
if [ -n "${DPI:-}" ]; then
  bench_prefix_dir=$WINEPREFIX
  copy=$BENCH_DIR/wineprefix-dpi
  cp -a "$WINEPREFIX" "$copy"
  export WINEPREFIX=$copy
  value=$(printf '%d' "$DPI")
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$value" /f >/dev/null 2>&1
  wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d "$value" /f >/dev/null 2>&1
  wineserver -w
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
fi

folder=$BENCH_DIR/program
music=$WINEPREFIX/drive_c/Music
cleanup() {
  rm -rf "$music"
  wine reg delete 'HKCU\Software\Wine\AppDefaults\Korvane.scr' /f >/dev/null 2>&1 || true
  if [ -n "${bench_prefix_dir:-}" ]; then WINEPREFIX=$bench_prefix_dir wineserver -k >/dev/null 2>&1 || true; fi
  bench_down
}
trap cleanup EXIT

mkdir -p "$folder" "$music"
cp "$build/bin/Korvane.scr" "$build/bin/Korvane.dll" "$folder/"
# A file of music chosen: C:\Music\夜の散歩.mp3 (the settings file is in code page 932).
: > "$music/夜の散歩.mp3"
printf '[Section]\r\nBGM区分= 2\r\nBGMﾘﾋﾟｰﾄ= 3\r\nBGMﾌｧｲﾙ=C:\\Music\\夜の散歩.mp3\r\n' |
  iconv -f UTF-8 -t CP932 > "$folder/Korvane.ini"
# Unmanaged, Wine draws the caption and border itself: the dialog looks as on Windows.
wine reg add 'HKCU\Software\Wine\AppDefaults\Korvane.scr\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

xdotool mousemove 5 5
wine "$folder/Korvane.scr" /c >"$BENCH_DIR/dialog.log" 2>&1 </dev/null &
bench_wait_for 30 xdotool search --name '^<Korvane>$' || { echo "the dialog did not come up" >&2; exit 1; }
sleep 2  # the opening animation and the first paint
window=$(xdotool search --name '^<Korvane>$' | head -1)
import -window "$window" "$out"
echo "screenshot: $out"
