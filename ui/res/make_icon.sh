#!/usr/bin/env bash
# Draws the program icon (a sheet of paper with list lines, on a blue tile) and writes sorvane.ico
# with 16, 32 and 48 pixel images. Run by hand when the icon changes; the .ico is committed.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
for s in 16 32 48; do
  convert -size 48x48 xc:none \
    -fill '#1f6fb2' -draw 'roundrectangle 1,1 46,46 8,8' \
    -fill white -draw 'polygon 12,7 30,7 37,14 37,41 12,41' \
    -fill '#cfe3f5' -draw 'polygon 30,7 30,14 37,14' \
    -stroke '#0f79ac' -strokewidth 3 \
    -draw 'line 17,19 32,19' -draw 'line 17,26 32,26' -draw 'line 17,33 27,33' \
    -resize ${s}x${s} "$tmp/icon-$s.png"
done
convert "$tmp/icon-16.png" "$tmp/icon-32.png" "$tmp/icon-48.png" sorvane.ico
rm -rf "$tmp"
