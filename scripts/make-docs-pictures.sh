#!/usr/bin/env bash
# Remakes the README's pictures in docs/: the running saver (through the run command), the
# preview as the Display Properties dialog shows it, and the settings dialog (also at 144 DPI).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
SCREENSHOT="$root/docs/saver.png" RUN_SECONDS=5 bash "$root/scripts/run.sh"
convert "$root/shell/resources/preview_lattice.bmp" -filter point -resize 200% "$root/docs/preview.png"
bash "$root/scripts/screenshot-settings-dialog.sh"
DPI=144 bash "$root/scripts/screenshot-settings-dialog.sh" "$root/docs/settings-dialog-144dpi.png"
