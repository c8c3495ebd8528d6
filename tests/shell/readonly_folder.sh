#!/usr/bin/env bash
# A read-only program folder for the tests (ctest fixture):
#   readonly_folder.sh up|down ROOT BIN_DIR [RENDERER]
# "up" fills ROOT/source/with-renderer (Korvane.scr, Korvane.dll, Korvane.ini) and
# ROOT/source/without-renderer (no Korvane.dll), then mounts ROOT/source read-only on
# ROOT/readonly. Root alone can write anywhere, so only a read-only mount makes a folder that
# refuses writes. Where mounting is not allowed there is no ROOT/readonly and the tests skip.
set -u
action=${1:?up or down} root=${2:?root folder} bin=${3:?programs folder}
# The file copied as Korvane.dll: the real renderer unless a stand-in is given.
renderer=${4:-$bin/Korvane.dll}

down() {
  if mountpoint -q "$root/readonly" 2>/dev/null; then umount "$root/readonly"; fi
  rm -rf "$root"
}

case $action in
  up)
    down
    mkdir -p "$root/source/with-renderer" "$root/source/without-renderer" "$root/readonly"
    cp "$bin/Korvane.scr" "$root/source/with-renderer/"
    cp "$renderer" "$root/source/with-renderer/Korvane.dll"
    cp "$bin/Korvane.scr" "$root/source/without-renderer/"
    # Kind 2 whose file is gone: loading drops it in memory, and must not write that back.
    for d in with-renderer without-renderer; do
      printf '[Section]\r\nBGM\x8b\xe6\x95\xaa= 2\r\nBGM\xd8\xcb\xdf\xb0\xc4= 3\r\nBGM\xcc\xa7\xb2\xd9=C:\\gone.mp3\r\n' \
        > "$root/source/$d/Korvane.ini"
    done
    if mount --bind "$root/source" "$root/readonly" 2>/dev/null &&
       mount -o remount,bind,ro "$root/readonly" 2>/dev/null &&
       ! touch "$root/readonly/.probe" 2>/dev/null; then
      echo "read-only program folder: $root/readonly"
    else
      mountpoint -q "$root/readonly" 2>/dev/null && umount "$root/readonly"
      rm -f "$root/readonly/.probe"
      rmdir "$root/readonly"
      echo "no read-only program folder: mounting is not allowed here; those cases skip"
    fi
    ;;
  down)
    down
    ;;
  *)
    echo "usage: $0 up|down ROOT BIN_DIR" >&2
    exit 2
    ;;
esac
