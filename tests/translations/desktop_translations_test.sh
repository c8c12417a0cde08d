#!/usr/bin/env bash
# The built desktop entry and metainfo carry every language's texts: a text
# changed in either file but not in packaging/DesktopTexts.h is no longer
# found by msgfmt and goes untranslated, which fails here. Both files stay
# valid for the desktop and for software centres.
#   desktop_translations_test.sh DESKTOP METAINFO LANGUAGE...
set -uo pipefail
desktop=$1 metainfo=$2
shift 2
status=0
fail() { echo "$*"; status=1; }
for language in "$@"; do
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=" "$desktop" || fail "$desktop: no $key[$language]"
    done
    # The summary, the description's paragraph and its six items, the eight
    # keywords and the screenshot's caption.
    count=$(grep -c "xml:lang=\"$language\"" "$metainfo")
    ((count == 17)) || fail "$metainfo: $count texts in $language, not 17"
done
desktop-file-validate --no-hints "$desktop" || fail "$desktop: not valid"
appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null || fail "$metainfo: not valid"
exit $status
