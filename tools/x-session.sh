# Sourced by the scripts that drive the real program in an X server of their
# own (Xvfb on a free display, 1280x1024 unless QUORVANE_XVFB_SCREEN names
# another size). Gives them:
#   work         a temporary directory, removed at exit with the server and program
#   fail MSG     prints FAIL: MSG and exits 1
#   start_program PROGRAM
#                starts it, its output in $work/app.log, and sets app_pid and
#                window (the visible window titled Quorvane)
#   close_program WHAT
#                closes the window as a window manager's close button does,
#                with $send_close; the program must end by itself, status 0,
#                within five seconds
#   click X Y [BUTTON]
#                clicks at window pixels
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
window=""
x_session_end() {
    xdotool mouseup 1 2>/dev/null || true
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap x_session_end EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# -noreset: the server stays as it is between one program and the next, rather
# than starting itself over each time its last client goes.
Xvfb -displayfd 3 -screen 0 "${QUORVANE_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

start_program() {
    "$1" >"$work/app.log" 2>&1 &
    app_pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Quorvane$' 2>/dev/null | head -n 1) &&
            [[ -n $window ]] && return 0
        sleep 0.1
    done
    kill -0 "$app_pid" 2>/dev/null && echo "the program is still running" >&2
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "the X server has ended:" >&2; cat "$work/xvfb.log" >&2; }
    cat "$work/app.log" >&2
    fail "no window titled Quorvane"
}

click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; }

close_program() {
    "$send_close" "$window" || fail "could not send the close request ($1)"
    for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app_pid" 2>/dev/null && fail "program still running 5 s after its window was closed ($1)"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    xdotool mouseup 1 2>/dev/null || true
    ((status == 0)) || { cat "$work/app.log" >&2; fail "program exited with status $status ($1)"; }
    echo "closed cleanly $1"
}
