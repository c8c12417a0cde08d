#!/usr/bin/env bash
# Fails when the code holds a text that a catalogue lacks, when a catalogue
# keeps a text the code no longer has, or when a translation is unfinished or
# empty:
# lupdate is run on copies of the catalogues, which must come out unchanged.
#   translations_test.sh LUPDATE SOURCE_DIR CATALOGUE...
set -euo pipefail
lupdate=$1 sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for catalogue in "$@"; do
    name=$(basename "$catalogue")
    copy=$work/$name
    cp "$catalogue" "$copy"
    "$lupdate" -silent -locations none "$sources/ui" "$sources/app" "$sources/engine/Choices.h" "$sources/engine/Detectors.h" \
        "$sources/packaging/DesktopTexts.h" "$sources/web/PageTexts.h" -ts "$copy"
    open=$(grep -c -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>' "$copy" || true)
    if ((open)); then
        echo "$name: $open texts new, unfinished or gone from the code:"
        grep -B2 -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>' "$copy" |
            grep '<source>' || true
        status=1
    elif ! cmp -s "$catalogue" "$copy"; then
        echo "$name: lupdate would change it; build the update_translations target:"
        diff "$catalogue" "$copy" | head -20
        status=1
    fi
done
exit $status
