#!/usr/bin/env bash
# --help, --version and a bad option, run with no display at all: each must
# answer on the terminal and exit without trying to open a window.
set -u
program=$1
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb   # would abort if the program reached the window system
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# name | arguments | expected exit | stream that must hold the text | text
cases=(
  "help|--help|0|out|--version"
  "short help|-h|0|out|Usage:"
  "version|--version|0|out|quorvane 1."
  "unknown option|--frobnicate|2|err|frobnicate"
  "stray argument|file.wav|2|err|file.wav"
)
for c in "${cases[@]}"; do
  IFS='|' read -r name args code stream text <<<"$c"
  out=$(timeout 10 "$program" $args 2>/tmp/quorvane-cli-err.$$); rc=$?
  err=$(cat /tmp/quorvane-cli-err.$$)
  [[ $rc == "$code" ]] || fail "$name: exit $rc, expected $code (stderr: $err)"
  [[ $stream == out ]] && got=$out || got=$err
  [[ $got == *"$text"* ]] || fail "$name: '$text' missing from std$stream: $got"
  if [[ $code == 2 ]]; then
    [[ -z $out && $(printf '%s\n' "$err" | wc -l) == 1 ]] || fail "$name: expected one line on stderr only, got '$out' / '$err'"
  fi
done
rm -f /tmp/quorvane-cli-err.$$
exit $((failures > 0))
