#!/usr/bin/env bash
# Regenerates docs/screenshot.png from the real program under Xvfb: the AM
# experiment with carrier and sidebands on bins (carrier "74", message "5.1"),
# the modulated trace and spectrum switched on, and the pointer resting on the
# lower sideband with the readout beside it.
#   tools/screenshot.sh [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/ui/quorvane}
source tools/x-session.sh
start_program "$program"
press() { click "$1" "$2"; sleep 0.3; }
press 269 96             # messageFrequencyBar's right arrow: "5.1"
for _ in 1 2 3 4 5; do press 273 340; done  # carrierFrequencyBar's right arrow: "74"
press 400 432            # modulatedTraceButton
press 402 564            # modulatedSpectrumButton
press 306 416            # schemeList
xdotool key Down Return  # "AM"
sleep 4                  # let the averages settle
# The lower sideband, 68.8 Hz: bin 561, point 561 of 2048 across 589 pixels.
xdotool mousemove --window "$window" $((402 + 561 * 589 / 2048)) 560
sleep 1
# The readout is a window of its own, so the screen is taken, cut to the window.
import -window root -crop 1003x678+0+0 +repage docs/screenshot.png
echo "wrote docs/screenshot.png"
