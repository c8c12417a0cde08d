#!/usr/bin/env bash
# Starts the built program in a real X server (Xvfb, on a display of its own),
# drives it with xdotool as a user would and reads the screen back. Closing it
# in the middle of things is close_window_test's job.
#   real_window_test.sh PROGRAM SEND-CLOSE
set -euo pipefail
program=$1
send_close=$2
source "$(dirname "$0")/../../tools/x-session.sh"

start_program "$program"
echo "window $window"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[[ $geometry == 1003x678 ]] || fail "window is $geometry, not 1003x678"
# Task bars without the desktop entry take the icon from the window, and
# launchers match the window to the entry by its class.
# Read once into a variable: grep -q stopping early would kill xprop with
# SIGPIPE, and pipefail would count that as a missing icon.
icons=$(xprop -id "$window" _NET_WM_ICON)
grep -q 'Icon (16 x 16)' <<<"$icons" || fail "window has no 16x16 icon"
grep -q 'Icon (128 x 128)' <<<"$icons" || fail "window has no 128x128 icon"
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"/\1/p')
startup_class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../packaging/org.quorvane.Quorvane.desktop")
[[ $wm_class == "$startup_class" ]] || fail "window class '$wm_class', desktop entry says '$startup_class'"
sleep 1

shot() { import -window "$window" "$work/$1.png"; }
# Pixels of one colour inside a box (x y w h) of a screenshot.
count() {
    convert "$work/$1.png" -crop "$4x$5+$2+$3" +repage -fill white +opaque "$6" \
        -fill black -opaque "$6" -negate -format '%[fx:round(mean*w*h)]' info:
}
# Pixels that differ between two screenshots inside a box.
differ() {
    local a b
    a=$(convert "$work/$1.png" -crop "$5x$6+$3+$4" +repage rgb:- | md5sum)
    b=$(convert "$work/$2.png" -crop "$5x$6+$3+$4" +repage rgb:- | md5sum)
    [[ $a != "$b" ]]
}

# Picture boxes in pixels: message, message spectrum, carrier, modulated, modulated spectrum.
message=(400 16 593 69)
message_spectrum=(400 88 593 185)
carrier=(400 300 593 77)
modulated=(400 392 593 77)

shot start
green=$(count start "${message[@]}" '#008000')
green_spectrum=$(count start "${message_spectrum[@]}" '#008000')
purple=$(count start "${carrier[@]}" '#800080')
blue=$(count start "${modulated[@]}" '#000080')
echo "message $green, message spectrum $green_spectrum, carrier $purple, modulated $blue pixels"
((green > 500)) || fail "message trace missing"
((green_spectrum > 500)) || fail "message spectrum missing"
((purple > 500)) || fail "carrier trace missing"
((blue == 0)) || fail "modulated trace drawn before it was switched on"

click 400 432   # modulatedTraceButton
sleep 0.6
shot passband
blue=$(count passband "${modulated[@]}" '#000080')
echo "modulated after modulatedTraceButton: $blue pixels"
((blue > 500)) || fail "modulated trace did not appear"

click 278 48    # messageTypeList opens its list
sleep 0.5
xdotool key Down Return
sleep 0.6
shot noise1
sleep 0.35
shot noise2
differ noise1 noise2 "${message[@]}" || fail "white-noise frames do not change"
echo "white noise frames change"

click 52 604    # pauseButton
sleep 0.4
shot paused1
sleep 0.6
shot paused2
differ paused1 paused2 "${message[@]}" && fail "frames still change while paused"
echo "paused frames stand still"

close_program "while paused"
