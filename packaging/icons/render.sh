#!/usr/bin/env bash
# Renders the PNG sizes of the icon from kv7700.svg (run after changing the drawing; the PNGs are
# kept in the repository so that building needs no SVG renderer). Needs rsvg-convert.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" kv7700.svg --output "kv7700-$size.png"
done
