#!/usr/bin/env bash
# Runs the dialog's resolution test in a Wine prefix of its own, copied from the bench's once
# per build tree, so that the resolution it sets never reaches another test.
#   dialog_dpi_test.sh TEST_PROGRAM PREFIX
set -euo pipefail
program=$1
prefix=$2
: "${WINEPREFIX:?run under the bench (scripts/test.sh)}"
if [ ! -f "$prefix/.korvane-ready" ]; then
  rm -rf "$prefix"
  cp -a "$WINEPREFIX" "$prefix"
fi
export WINEPREFIX=$prefix
# The prefix's services start with their output away from ctest's pipe.
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
status=0
wine "$program" --gtest_color=no || status=$?
wineserver -k >/dev/null 2>&1 || true
exit $status
