#!/usr/bin/env bash
# The desktop texts of one catalogue as a gettext catalogue without contexts,
# which is what msgfmt --desktop and --xml look texts up in.
#   desktop-po.sh LCONVERT CATALOGUE.ts OUTPUT.po
set -euo pipefail
lconvert=$1 catalogue=$2 output=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$lconvert" -i "$catalogue" -o "$work/all.po"
msggrep --msgctxt --regexp='^Desktop' "$work/all.po" -o "$work/desktop.po"
sed '/^msgctxt /d' "$work/desktop.po" >"$output"
