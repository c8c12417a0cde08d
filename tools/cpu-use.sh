#!/usr/bin/env bash
# The running program's CPU use under Xvfb, as a share of one core: its own
# user and system time from /proc/PID/stat over a stretch of running, then
# over the same stretch paused (pauseButton clicked with xdotool).
#   tools/cpu-use.sh [--heaviest] [--zoom PERCENT] [PROGRAM] [SECONDS]
# PROGRAM defaults to build/ui/quorvane, SECONDS to 20. With --heaviest the
# display is first switched to its dearest settings, as a user would click
# them: zoom 4, modulated trace and spectrum on, two-sided, log, memory held.
# With --zoom the window is first magnified with Ctrl+= to PERCENT (110, 125,
# 150, 175 or 200), on a screen large enough for it.
# Prints both figures against the targets (3 % running, 0.5 % paused) and
# exits 1 if either is missed.
set -euo pipefail
cd "$(dirname "$0")/.."

heaviest=0
zoom=100
while [[ ${1:-} == --* ]]; do
    case $1 in
    --heaviest) heaviest=1; shift ;;
    --zoom) zoom=$2; shift 2 ;;
    *) echo "cpu-use: unknown option $1" >&2; exit 2 ;;
    esac
done
declare -A zoom_presses=([100]=0 [110]=1 [125]=2 [150]=3 [175]=4 [200]=5)
[[ -n ${zoom_presses[$zoom]:-} ]] || { echo "cpu-use: --zoom takes 100, 110, 125, 150, 175 or 200" >&2; exit 2; }
((zoom == 100)) || export QUORVANE_XVFB_SCREEN=2560x1600x24
program=${1:-build/ui/quorvane}
seconds=${2:-20}
[[ -x $program ]] || { echo "cpu-use: no program at $program (build it first)" >&2; exit 2; }

source tools/x-session.sh
start_program "$program"

for ((i = 0; i < zoom_presses[$zoom]; ++i)); do
    xdotool windowfocus "$window" 2>/dev/null || true
    xdotool key ctrl+equal
    sleep 0.3
done

# Window pixels of the controls (their twips / 15, magnified).
press() { click $(($1 * zoom / 100)) $(($2 * zoom / 100)); sleep 0.2; }
if ((heaviest)); then
    for _ in 1 2 3; do press 986 8; done  # timeZoomBar's right arrow: zoom 4
    press 400 432                         # modulatedTraceButton
    press 402 564                         # modulatedSpectrumButton
    press 260 556                         # twoSidedCheckBox
    press 260 596                         # linearCheckBox off: log
    press 148 604                         # memoryButton
fi
sleep 2  # start-up and the clicks settle before anything is counted

ticks_per_second=$(getconf CLK_TCK)
# utime + stime, the 14th and 15th fields; counted after the command name,
# which is in brackets and may hold spaces.
cpu_ticks() {
    local stat
    stat=$(<"/proc/$app_pid/stat")
    stat=${stat##*) }
    awk '{print $12 + $13}' <<<"$stat"
}
measure() {
    local start end
    start=$(cpu_ticks)
    sleep "$seconds"
    end=$(cpu_ticks)
    awk -v used=$((end - start)) -v hz="$ticks_per_second" -v s="$seconds" \
        'BEGIN { printf "%.2f", 100 * used / hz / s }'
}

running=$(measure)
press 52 604  # pauseButton
sleep 1
paused=$(measure)
kill -0 "$app_pid" 2>/dev/null || { echo "cpu-use: the program ended while measured" >&2; exit 2; }

settings=$( ((heaviest)) && echo "heaviest settings" || echo "start-up settings")
settings+=", window at ${zoom} %"
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v < t) ? "met" : "NOT met" }'; }
echo "CPU use of one core over ${seconds} s, ${settings}:"
echo "  running ${running} %  (target < 3 %: $(verdict "$running" 3))"
echo "  paused  ${paused} %  (target < 0.5 %: $(verdict "$paused" 0.5))"
[[ $(verdict "$running" 3) == met && $(verdict "$paused" 0.5) == met ]]
