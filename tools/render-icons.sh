#!/usr/bin/env bash
# Renders the application icon's PNG sizes from packaging/icons/velmora.svg (needs
# rsvg-convert, Debian package librsvg2-bin). Run it after changing the SVG and commit the
# PNGs with it; the build itself only copies them.
set -euo pipefail
icons=$(cd "$(dirname "$0")/../packaging/icons" && pwd)
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
    "$icons/velmora.svg" --output "$icons/velmora-$size.png"
done
