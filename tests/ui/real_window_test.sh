#!/usr/bin/env bash
# Starts the built program in a real X server (Xvfb, on a display of its own),
# drives it with xdotool as a user would and reads the screen back.
#   real_window_test.sh PROGRAM SEND-CLOSE
set -euo pipefail
program=$1
send_close=$2
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM

start_program() {
    "$program" >"$work/app.log" 2>&1 &
    app_pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --name '^Quorvane$' 2>/dev/null | head -n 1) && [[ -n $window ]] && break
        sleep 0.1
    done
    [[ -n $window ]] || fail "no window titled Quorvane"
}
# Closes the window as a window manager's close button would; the program must
# end by itself with status 0.
close_program() {
    "$send_close" "$window"
    for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app_pid" 2>/dev/null && fail "program did not exit after its window was closed ($1)"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    ((status == 0)) || fail "program exited with status $status ($1)"
    echo "closed cleanly $1"
}

start_program
echo "window $window"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[[ $geometry == 1003x678 ]] || fail "window is $geometry, not 1003x678"
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
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

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

click 400 432   # chkPassband
sleep 0.6
shot passband
blue=$(count passband "${modulated[@]}" '#000080')
echo "modulated after chkPassband: $blue pixels"
((blue > 500)) || fail "modulated trace did not appear"

click 278 48    # cmbData opens its list
sleep 0.5
xdotool key Down Return
sleep 0.6
shot noise1
sleep 0.35
shot noise2
differ noise1 noise2 "${message[@]}" || fail "white-noise frames do not change"
echo "white noise frames change"

click 52 604    # cmdPause
sleep 0.4
shot paused1
sleep 0.6
shot paused2
differ paused1 paused2 "${message[@]}" && fail "frames still change while paused"
echo "paused frames stand still"

close_program "while paused"

start_program
sleep 0.5
click 278 48    # cmbData's list opens and stays open
sleep 0.5
close_program "with a list open"

start_program
sleep 0.5
xdotool mousemove --window "$window" 430 8 mousedown 1   # hscDataScroll's thumb
sleep 0.2
xdotool mousemove --window "$window" 520 8
sleep 0.3
close_program "in the middle of a scroll-bar drag"
xdotool mouseup 1 2>/dev/null || true
