#!/bin/sh
# Renders the PNG sizes of the program icon from its SVG. The PNGs are
# committed, so building and installing need no SVG renderer; run this once
# after changing the SVG (needs the Debian package librsvg2-bin).
set -e
cd "$(dirname "$0")/../dist/icons"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "falkorin-$size.png" falkorin.svg
done
