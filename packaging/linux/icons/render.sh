#!/usr/bin/env bash
# Renders the committed PNG icons from tavrin2qt.svg; run it after changing the drawing.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" tavrin2qt.svg --output "tavrin2qt-$size.png"
done
