#!/usr/bin/env bash
# The real window as a blind pupil meets it: on a private D-Bus session with
# the accessibility bus, first read through the AT-SPI library, then driven
# from the keyboard with Orca listening, checking what Orca would say.
#   screen_reader_test.sh PROGRAM SEND-CLOSE ACCESSIBLE-TREE-SCRIPT
set -euo pipefail
if [[ -z ${QUORVANE_PRIVATE_BUS:-} ]]; then
    QUORVANE_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
program=$1
send_close=$2
tree_script=$3
source "$(dirname "$0")/../../tools/x-session.sh"
export HOME=$work/home   # Orca's settings start fresh and stay here
mkdir -p "$HOME"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
bus_pid=$!
trap 'kill "$bus_pid" ${orca_pid:-} 2>/dev/null || true; x_session_end' EXIT
sleep 1

start_program "$program"
/usr/bin/python3 "$tree_script" || fail "the accessible tree is wrong"
close_program "after the AT-SPI checks"

orca --debug-file="$work/orca.log" >"$work/orca.out" 2>&1 &
orca_pid=$!
# Orca takes some seconds to start on a busy machine.
for _ in $(seq 300); do grep -qs "SPEECH OUTPUT: 'Screen reader on." "$work/orca.log" && break; sleep 0.1; done
start_program "$program"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 1.5

# Orca here may hold a phrase back until the next input; a lone Shift brings it out.
press() {
    for key; do
        xdotool key "$key"
        sleep 0.3
        xdotool key shift
        sleep 0.3
    done
}
press Tab Down Tab Down Tab space
press Tab Tab Tab Tab Tab Tab Tab Up
press Tab Tab Tab Right Tab Right Right Escape
press Tab Tab Tab Tab Tab Tab
spoken() {
    { grep -a "SPEECH OUTPUT:" "$work/orca.log" || true; } | sed "s/.*SPEECH OUTPUT: '\(.*\)' *{'established.*/\1/" >"$work/speech"
}

# Every phrase, in this order, among what Orca said: each Tab stop in the
# window's focus order, the lists' choices, Pause and the bars' values in
# their units, and the readout at the picture's keyboard cursor.
expected=(
    "Message signal image." "Time trace of the message signal" "Signal Type combo box." "Sine Wave."
    "White Noise" "Modulation combo box." "DSB-SC." "AM" "Pause push button." "Pause the display" "Cont"
    "Message spectrum image." "Modulated signal image." "Time scroll scroll bar 0." "Time zoom scroll bar 1."
    "Memory check box not checked." "Modulated spectrum image." "Modulation depth scroll bar 1.0." "1.2"
    "Modulation depth value read only text." "1.2." "Message frequency, Hz read only text." " 5."
    "Message frequency scroll bar 5.0." "5.1" "Carrier image." "Carrier frequency scroll bar 64."
    "Carrier frequency, Hz read only text." "Modulated trace" "Modulated spectrum trace"
    "Two-Sided Spectra check box" "Linear Plots check box checked."
)
# The number of expected phrases said in order; a slower build (the
# sanitizers, the emulator) may still be speaking the last ones.
said_in_order() {
    local line=0 count=0 found
    for phrase in "${expected[@]}"; do
        found=$(tail -n +$((line + 1)) "$work/speech" | grep -n -F -m1 -- "$phrase" | cut -d: -f1) || break
        line=$((line + found))
        count=$((count + 1))
    done
    echo "$count"
}
for _ in $(seq 20); do
    spoken
    (($(said_in_order) == ${#expected[@]})) && break
    xdotool key shift
    sleep 0.5
done
said=$(said_in_order)
((said == ${#expected[@]})) || { cat "$work/speech" >&2; fail "Orca did not say '${expected[said]}' after the phrases before it"; }
# The figures at the cursor: a time in seconds and a value, one step apart.
readouts=$(grep -c -E '^[0-9]+\.[0-9]{3} s, ' "$work/speech" || true)
((readouts >= 2)) || { cat "$work/speech" >&2; fail "the cursor's readout was spoken $readouts times, not twice"; }
echo "Orca said every expected phrase in order ($(wc -l <"$work/speech") phrases)"
close_program "with Orca"
