#!/usr/bin/env bash
# The page as a blind pupil meets it in a real browser: on a private D-Bus
# session with the accessibility bus, driven from the keyboard with Orca
# listening, checking what Orca would say.
#   screen_reader_page.sh <chromium|firefox> PAGE
set -euo pipefail
browser=$1
page=$2
declare -A programs=([chromium]=/usr/bin/chromium [firefox]=/usr/bin/firefox-esr)
program=${programs[$browser]:-/usr/bin/$browser}
missing() { echo "$*" >&2; exit 1; }
for needed in "$program" /usr/bin/orca /usr/libexec/at-spi-bus-launcher /usr/bin/Xvfb /usr/bin/xdotool; do
    [[ -x $needed ]] || missing "$needed is not installed"
done
[[ $page != unbuilt ]] || missing "the page is not built: emscripten is not installed, or QUORVANE_PAGE is OFF"
[[ -f $page ]] || missing "$page is missing: its build failed"
if [[ -z ${QUORVANE_PRIVATE_BUS:-} ]]; then
    QUORVANE_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/../../tools/x-session.sh"
export HOME=$work/home   # Orca's settings and the browser's profile start fresh and stay here
mkdir -p "$HOME/profile"
export GNOME_ACCESSIBILITY=1

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
bus_pid=$!
# The browser's whole session ends before its profile is removed.
end() {
    kill "$bus_pid" ${orca_pid:-} 2>/dev/null || true
    if [[ -n ${browser_pid:-} ]]; then
        kill -- -"$browser_pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 -- -"$browser_pid" 2>/dev/null || break; sleep 0.1; done
    fi
    x_session_end
}
trap end EXIT
sleep 1
orca --debug-file="$work/orca.log" >"$work/orca.out" 2>&1 &
orca_pid=$!
for _ in $(seq 100); do grep -qs "SPEECH OUTPUT: 'Screen reader on." "$work/orca.log" && break; sleep 0.1; done

# Each browser with a fresh profile, its accessibility on, and nothing of its
# own that reaches out to the network or asks a question first; in a session
# of its own, so that what it signals to its group ends none of this script.
address="file://$(realpath "$page")?zoom=1&lang=en"
if [[ $browser == chromium ]]; then
    setsid "$program" --force-renderer-accessibility --no-sandbox --disable-gpu --no-first-run --no-default-browser-check \
        --disable-background-networking --disable-component-update --disable-sync --password-store=basic \
        --user-data-dir="$HOME/profile" --window-position=0,0 --window-size=1280,1000 "$address" >"$work/app.log" 2>&1 &
else
    for pref in '"browser.shell.checkDefaultBrowser", false' '"browser.startup.homepage_override.mstone", "ignore"' \
        '"datareporting.policy.dataSubmissionEnabled", false' '"browser.aboutwelcome.enabled", false' \
        '"network.captive-portal-service.enabled", false' '"network.connectivity-service.enabled", false' \
        '"app.update.enabled", false' '"browser.newtab.preload", false'; do
        echo "user_pref($pref);"
    done >"$HOME/profile/user.js"
    setsid "$program" --no-remote --new-instance --profile "$HOME/profile" -width 1280 -height 1000 "$address" >"$work/app.log" 2>&1 &
fi
browser_pid=$!
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Quorvane' 2>/dev/null | head -n 1) && [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || { cat "$work/app.log" >&2; fail "no window titled Quorvane"; }
# With no window manager, activating may fail where focusing does not; a
# browser's window may still be settling, which the phrases below then show.
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window" 2>/dev/null || true
for _ in $(seq 100); do grep -qs "SPEECH OUTPUT: 'Finished loading Quorvane" "$work/orca.log" && break; sleep 0.1; done
sleep 1

# Orca here may hold a phrase back until the next input; a lone Shift brings it out.
press() {
    for key; do
        xdotool key "$key"
        sleep 0.2
        xdotool key shift
        sleep 0.2
    done
}
# The page's language list, colours check box, receiver and guide buttons come
# first; then the desktop's journey through the window.
press Tab Tab Tab Tab Tab
press Tab Down Tab Down Tab space
press Tab d Tab Tab Tab Tab Tab Tab Up
press Tab Tab Tab Right Tab Right Right n d Escape
press Tab Tab Tab Tab Tab Tab
spoken() {
    { grep -a "SPEECH OUTPUT:" "$work/orca.log" || true; } | sed "s/.*SPEECH OUTPUT: '\(.*\)' *{'established.*/\1/" >"$work/speech"
}

# Every phrase, in this order, as lines among what Orca said: each Tab stop in
# the desktop's focus order with its name and role (the browsers' words for
# them), the lists' choices, Pause's new caption, the bars' values in their
# units, the readout at two steps of the picture's keyboard cursor and at
# its jump to the next crest, and two pictures' descriptions (the message is
# white noise by then).
expected=(
    "Message signal horizontal slider" "Time trace of the message signal" "Signal Type combo box\." "Sine Wave\."
    "White Noise" "Modulation combo box\." "DSB-SC\." "AM" "Pause push button\." "Pause the display" "Cont$"
    "Message spectrum horizontal slider" "No clear peak$" "Modulated signal horizontal slider" "Time scroll (horizontal )?slider 0\."
    "Time zoom (horizontal )?slider 1\." "Memory toggle button not pressed\." "Modulated spectrum horizontal slider"
    "Modulation depth (vertical )?slider 1\.0\." "1\.2$" "Modulation depth value read only entry 1\.2"
    "Message frequency, Hz read only entry  5 " "Message frequency (horizontal )?slider 5\.0\." "5\.1$"
    "Carrier horizontal slider" "[0-9]\.[0-9]{3} s, " "[0-9]\.[0-9]{3} s, " "[0-9]\.[0-9]{3} s, " "Peak to peak "
    "Carrier frequency (horizontal )?slider 64\." "Carrier frequency, Hz read only entry  64 "
    "Modulated trace toggle button" "Modulated spectrum trace toggle button" "Two-Sided Spectra check box"
    "Linear Plots check box checked\."
)
said_in_order() {
    local line=0 count=0 found
    for phrase in "${expected[@]}"; do
        found=$(grep -n -E -- "^$phrase" "$work/speech" | awk -F: -v after="$line" '$1 > after { print $1; exit }' || true)
        [[ -n $found ]] || break
        line=$found
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
((said == ${#expected[@]})) || { cat "$work/speech" >&2; fail "Orca did not say '${expected[said]}' in $browser after the phrases before it"; }
echo "Orca said every expected phrase in order in $browser ($(wc -l <"$work/speech") phrases)"
