#!/usr/bin/env bash
# One of the page's browser tests, on dist/quorvane.html as tools/dev.sh web
# built it:
#   run.sh pixels <chromium|firefox> <page> <settings> <desktop_pictures>
#   run.sh page <chromium|firefox> <page>
#   run.sh webkit <page>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
what=$1
shift
if [[ $what != webkit && ! -d $here/node_modules/puppeteer-core ]]; then
    echo "tests/web/node_modules is missing: npm ci there (tools/dev.sh test does)" >&2
    exit 1
fi
case $what in
pixels)
    folder=$(mktemp -d)
    trap 'rm -rf "$folder"' EXIT
    "$4" "$3" "$folder" >/dev/null
    node "$here/pixels.mjs" "$1" "$2" "$3" "$folder"
    ;;
page)
    node "$here/page.mjs" "$1" "$2"
    ;;
webkit)
    # Debian's own Python: GObject introspection is installed for it alone.
    xvfb-run -a /usr/bin/python3 "$here/webkit.py" "$1"
    ;;
*)
    echo "usage: run.sh pixels|page|webkit ..." >&2
    exit 2
    ;;
esac
