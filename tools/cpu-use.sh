#!/usr/bin/env bash
# The running program's CPU use under Xvfb, as a share of one core: 20 s
# running, then 20 s paused.
#   tools/cpu-use.sh [PROGRAM] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/ui/quorvane}
seconds=${2:-20}
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
sleep 2
ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$app/stat"; }
measure() {
    local start end
    start=$(cpu_ticks)
    sleep "$seconds"
    end=$(cpu_ticks)
    awk -v used=$((end - start)) -v hz="$ticks_per_second" -v s="$seconds" \
        'BEGIN { printf "%.2f", 100 * used / hz / s }'
}
running=$(measure)
xdotool mousemove --window "$window" 52 604 click 1   # cmdPause
sleep 1
paused=$(measure)
kill "$app"
echo "CPU use over ${seconds} s: running ${running} % of one core, paused ${paused} %"
