#!/bin/sh
# Re-renders the committed PNG icons from quorvane.svg. The PNGs are kept in
# the tree so that building needs no SVG renderer; run this after changing the
# SVG (needs rsvg-convert, Debian package librsvg2-bin) and commit the result.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
        --output "${size}x${size}/quorvane.png" quorvane.svg
done
