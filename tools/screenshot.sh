#!/usr/bin/env bash
# Regenerates docs/screenshot.png from the real program under Xvfb: AM with the
# modulated trace and spectrum switched on.
#   tools/screenshot.sh [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/ui/quorvane}
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM
"$program" &
app=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Quorvane$' 2>/dev/null | head -n 1) && [[ -n $window ]] && break
    sleep 0.1
done
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
click 400 432            # chkPassband
click 400 560            # chkSpectrum
click 322 416            # cmbMod
xdotool key Down Return  # "AM"
sleep 4                  # let the averages settle
import -window "$window" docs/screenshot.png
kill "$app"
echo "wrote docs/screenshot.png"
