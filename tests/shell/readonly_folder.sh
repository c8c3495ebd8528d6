#!/usr/bin/env bash
# A read-only program folder for the tests (ctest fixture):
#   readonly_folder.sh up|down ROOT BIN_DIR [RENDERER]
# "up" fills ROOT/source/with-renderer (Korvane.scr, Korvane.dll, Korvane.ini) and
# ROOT/source/without-renderer (no Korvane.dll), then mounts ROOT/source read-only on
# ROOT/readonly. Root alone can write anywhere, so only a read-only mount makes a folder that
# refuses writes. Where this machine has no right to mount (CAP_SYS_ADMIN) there is no
# ROOT/readonly, the tests skip and ROOT.skipped says why (the test command prints it at its
# end); where it has the right, a mount that fails fails the fixture.
set -u
action=${1:?up or down} root=${2:?root folder} bin=${3:?programs folder}
# The file copied as Korvane.dll: the real renderer unless a stand-in is given.
renderer=${4:-$bin/Korvane.dll}

# Whether this process may mount: CAP_SYS_ADMIN (bit 21) among its effective capabilities.
may_mount() {
  local caps
  caps=$(awk '/^CapEff:/ { print $2 }' /proc/self/status 2>/dev/null) || return 1
  [ -n "$caps" ] && (( (16#$caps >> 21) & 1 ))
}

down() {
  if mountpoint -q "$root/readonly" 2>/dev/null; then umount "$root/readonly"; fi
  rm -rf "$root"
}

case $action in
  up)
    down
    rm -f "$root.skipped"
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
      if may_mount; then
        echo "read-only program folder: mounting $root/readonly failed although this machine may mount" >&2
        exit 1
      fi
      echo "the read-only program folder's cases: this machine may not mount (no CAP_SYS_ADMIN)" |
        tee "$root.skipped"
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
