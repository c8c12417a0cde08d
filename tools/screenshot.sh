#!/usr/bin/env bash
# Regenerates docs/screenshot.png from the real program under Xvfb: AM with the
# modulated trace and spectrum switched on.
#   tools/screenshot.sh [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/ui/quorvane}
source tools/x-session.sh
start_program "$program"
press() { click "$1" "$2"; sleep 0.3; }
press 400 432            # chkPassband
press 400 560            # chkSpectrum
press 322 416            # cmbMod
xdotool key Down Return  # "AM"
sleep 4                  # let the averages settle
import -window "$window" docs/screenshot.png
echo "wrote docs/screenshot.png"
