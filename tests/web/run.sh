#!/usr/bin/env bash
# One of the page's browser tests, on the page as the build made it, or the
# installation of their driver:
#   run.sh driver <folder with package.json and package-lock.json>
#   run.sh pixels <page> <chromium|firefox> <settings> <desktop_pictures>
#   run.sh page <page> <chromium|firefox>
#   run.sh webkit <page>
# What is missing fails at once, in one line.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fail() {
    echo "$*" >&2
    exit 1
}
what=$1
shift
if [[ $what == driver ]]; then
    # Exactly as the lockfile pins it; the browsers are Debian's, so puppeteer
    # fetches none of its own.
    command -v npm >/dev/null || fail "npm is not installed"
    cd "$1"
    PUPPETEER_SKIP_DOWNLOAD=1 exec npm ci --no-audit --no-fund
fi
page=$1
shift
[[ $page != unbuilt ]] || fail "the page is not built: emscripten is not installed (tools/dev.sh test installs it), or QUORVANE_PAGE is OFF"
[[ -f $page ]] || fail "$page is missing: its build failed"
if [[ $what != webkit ]]; then
    command -v node >/dev/null || fail "node is not installed"
    [[ -d ${QUORVANE_WEB_DRIVER:-}/node_modules/puppeteer-core ]] || fail "the browser driver is not installed: the web_driver test installs it"
fi
case $what in
pixels)
    folder=$(mktemp -d)
    trap 'rm -rf "$folder"' EXIT
    "$3" "$2" "$folder" >/dev/null
    node "$here/pixels.mjs" "$1" "$page" "$2" "$folder"
    ;;
page)
    node "$here/page.mjs" "$1" "$page"
    ;;
webkit)
    command -v xvfb-run >/dev/null || fail "xvfb-run is not installed"
    # Debian's own Python: GObject introspection is installed for it alone.
    xvfb-run -a /usr/bin/python3 "$here/webkit.py" "$page"
    ;;
*)
    fail "usage: run.sh driver|pixels|page|webkit ..."
    ;;
esac
