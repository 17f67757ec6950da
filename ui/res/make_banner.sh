#!/usr/bin/env bash
# Draws the About window's banner: the program icon beside "Sorvane V1.0" on a light band, as a
# baseline JPEG of 347 x 67 pixels in three colour components, exactly 19,415 bytes. The encoder's
# output is smaller; a JPEG comment segment (FF FE) right after the start marker makes up the
# difference; it follows the JFIF header. Run by hand when the banner changes; banner.jpg is committed.
set -euo pipefail
cd "$(dirname "$0")"
target_size=19415
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The 48-pixel image of the program icon.
convert 'sorvane.ico[2]' -background '#eef4fa' -flatten "$tmp/icon.png"

convert -size 347x67 gradient:'#ffffff-#d6e6f4' \
  -fill '#9fc3e3' -draw 'rectangle 0,64 346,66' \
  "$tmp/icon.png" -geometry +14+9 -composite \
  -font DejaVu-Sans-Bold -pointsize 30 -fill '#0f4f7c' -annotate +76+45 'Sorvane' \
  -font DejaVu-Sans -pointsize 22 -fill '#0f79ac' -annotate +218+45 'V1.0' \
  -strip -type TrueColor -colorspace sRGB -interlace none -sampling-factor 1x1 -quality 100 \
  "$tmp/banner.jpg"

size=$(stat -c %s "$tmp/banner.jpg")
pad=$((target_size - size))
if [ "$pad" -lt 0 ] || { [ "$pad" -gt 0 ] && [ "$pad" -lt 4 ]; }; then
  echo "encoder gave $size bytes; adjust the quality" >&2
  exit 1
fi
# SOI (2 bytes) and the JFIF APP0 segment (FF E0, length 16) come first.
if [ "$(head -c 4 "$tmp/banner.jpg" | xxd -p)" != ffd8ffe0 ]; then
  echo "unexpected JPEG header" >&2
  exit 1
fi
header=20
{
  head -c $header "$tmp/banner.jpg"
  if [ "$pad" -gt 0 ]; then
    length=$((pad - 2))  # the segment length counts its own two bytes, not the marker
    printf "\\xff\\xfe\\x$(printf %02x $((length >> 8)))\\x$(printf %02x $((length & 255)))"
    # Comment text, then blanks up to the length.
    comment='Sorvane V1.0 banner'
    body=$((pad - 4))
    printf '%s' "${comment:0:$body}"
    if [ "$body" -gt "${#comment}" ]; then head -c $((body - ${#comment})) /dev/zero | tr '\0' ' '; fi
  fi
  tail -c +$((header + 1)) "$tmp/banner.jpg"
} >banner.jpg
identify -verbose banner.jpg | grep -E 'Geometry|Interlace|Colorspace|Filesize|Type:' || true
stat -c '%s bytes' banner.jpg
