#!/usr/bin/env bash
# Runs a test program at a screen resolution of its choosing, in a Wine prefix of its own
# copied from the bench's once per build tree, so that the resolution never reaches another
# test. The resolution is read from the prefix's registry when a program starts.
#   run_at_dpi.sh TEST_PROGRAM PREFIX DPI [ARGUMENTS...]
set -euo pipefail
program=$1
prefix=$2
dpi=$3
shift 3
: "${WINEPREFIX:?run under the bench (scripts/test.sh)}"
if [ ! -f "$prefix/.korvane-ready" ]; then
  rm -rf "$prefix"
  cp -a "$WINEPREFIX" "$prefix"
fi
export WINEPREFIX=$prefix
# These first starts also bring up the prefix's services, with their output away from ctest's pipe.
for key in 'HKCU\Control Panel\Desktop' \
           'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
  wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
done
status=0
wine "$program" --gtest_color=no "$@" || status=$?
wineserver -k >/dev/null 2>&1 || true
exit $status
