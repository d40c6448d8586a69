#!/usr/bin/env bash
# Draws the application icon, app/vivarto.ico, with ImageMagick: a speech
# bubble whose colour fades from red to blue (the program's colour fade) with
# a white "V" on it. The icon is committed; run this only to redraw it.
# Each size is drawn from the 256-pixel picture; the small ones get a little
# sharpening so the letter stays readable at 16 pixels.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The bubble: a rounded body and a tail at the lower left, filled with the fade.
convert -size 256x256 xc:none -fill white \
  -draw "roundrectangle 12,16 244,196 44,44" \
  -draw "polygon 48,180 40,244 112,190" "$tmp/mask.png"
convert -size 256x256 -define gradient:angle=135 gradient:'#E80015'-'#0000FF' \
  "$tmp/fade.png"
convert "$tmp/fade.png" "$tmp/mask.png" -compose CopyOpacity -composite "$tmp/bubble.png"
# The letter, with a soft shadow so it stands out on both ends of the fade.
convert "$tmp/bubble.png" \
  \( -size 256x256 xc:none -font DejaVu-Sans-Bold -pointsize 170 -fill '#00000070' \
     -gravity center -annotate +6-10 V -blur 0x4 \) -composite \
  -font DejaVu-Sans-Bold -pointsize 170 -fill white -gravity center -annotate +0-16 V \
  "$tmp/256.png"
for s in 48 32 16; do
  convert "$tmp/256.png" -filter Lanczos -resize ${s}x${s} -unsharp 0x0.6 "$tmp/$s.png"
done
convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" "$tmp/256.png" -depth 8 app/vivarto.ico
identify app/vivarto.ico
