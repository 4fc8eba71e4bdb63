#!/bin/sh
# Renders the application icon from orvelle.svg: the PNG sizes a desktop looks for and one
# multi-size orvelle.ico. Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -eu
cd "$(dirname "$0")"
sizes="16 22 24 32 48 64 128 256"
for size in $sizes; do
    rsvg-convert --width "$size" --height "$size" orvelle.svg --output "orvelle-$size.png"
done
# The sizes Windows picks from; 256 goes in as PNG, the rest as bitmaps.
convert orvelle-16.png orvelle-24.png orvelle-32.png orvelle-48.png orvelle-64.png \
    orvelle-128.png orvelle-256.png -strip orvelle.ico
