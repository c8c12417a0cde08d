#!/usr/bin/env bash
# Closes the real program's window, as a window manager's close button does,
# in the middle of whatever a student was doing: paused, with a list's popup
# open, halfway through a scroll-bar drag, with a scroll bar's context menu
# open, with an arrow held down, and with a popup open while paused. Each
# situation is checked to be really set up before the close; each time the
# program must end by itself, with status 0, within five seconds.
#   close_window_test.sh PROGRAM SEND-CLOSE
set -euo pipefail
program=$1
send_close=$2
source "$(dirname "$0")/../../tools/x-session.sh"

# A moment for the first frames before anything is done to the window.
start() {
    start_program "$program"
    sleep 0.5
}

# Popups and menus are windows of their own, of the program's window class.
visible_windows() { xdotool search --onlyvisible --class '^quorvane$' 2>/dev/null | wc -l; }
shot() { import -window "$window" "$work/$1.png"; }
region() { convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage rgb:- | md5sum; }

# Places in window pixels.
pause_button=(52 604)
message_list=(278 48)
message_picture=(400 16 593 69)
freq_thumb=(227 96)            # messageFrequencyBar's thumb at its start-up value
freq_bar=(188 80 89 33)
freq_text=(284 80 53 33)       # messageFrequencyBox
time_bar=(600 8)               # timeScrollBar
carrier_right_arrow=(274 340)  # carrierFrequencyBar's right arrow

start
click "${message_list[@]}"          # the list opens; Down and Return pick White Noise,
sleep 0.4                           # whose frames differ, so a pause shows
xdotool key Down Return
sleep 0.4
click "${pause_button[@]}"
sleep 0.3
shot paused1
sleep 0.5
shot paused2
[[ $(region paused1 "${message_picture[@]}") == $(region paused2 "${message_picture[@]}") ]] ||
    fail "frames still change after Pause"
close_program "while paused"

start
click "${message_list[@]}"
sleep 0.4
(($(visible_windows) >= 2)) || fail "the list's popup did not open"
close_program "with a list's popup open"

start
shot before_drag
xdotool mousemove --window "$window" "${freq_thumb[@]}" mousedown 1
sleep 0.2
xdotool mousemove --window "$window" $((freq_thumb[0] + 20)) "${freq_thumb[1]}"
sleep 0.4
shot dragging
[[ $(region before_drag "${freq_bar[@]}") != $(region dragging "${freq_bar[@]}") ]] ||
    fail "the thumb did not follow the drag"
[[ $(region before_drag "${freq_text[@]}") == $(region dragging "${freq_text[@]}") ]] ||
    fail "the frequency changed before the thumb was let go"
close_program "in the middle of a scroll-bar drag"

start
click "${time_bar[@]}" 3
sleep 0.4
(($(visible_windows) >= 2)) || fail "the scroll bar's context menu did not open"
close_program "with a scroll bar's context menu open"

start
xdotool mousemove --window "$window" "${carrier_right_arrow[@]}" mousedown 1
sleep 0.6
close_program "with a scroll-bar arrow held down"

start
click "${pause_button[@]}"
sleep 0.2
click "${message_list[@]}"
sleep 0.4
(($(visible_windows) >= 2)) || fail "the list's popup did not open while paused"
close_program "paused with a list's popup open"
