#!/usr/bin/env bash
# Draws the game's icon (dist/vetrovay.png, 256x256) with ImageMagick: ruins
# against a sunset in a navy frame, and a weather vane above them.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 256x256 xc:none \
  -fill '#000080' -draw 'roundrectangle 4,4 251,251 36,36' \
  \( -size 216x216 gradient:'#f0a040-#402040' \) -geometry +20+20 -composite \
  -fill '#1a1a24' \
  -draw 'polygon 20,236 20,150 48,150 48,128 62,122 70,150 92,150 92,104 110,96 118,112 118,150 140,150 140,170 160,170 160,120 176,112 184,126 184,170 206,170 206,140 236,140 236,236' \
  -fill '#ffd040' -draw 'rectangle 56,170 64,180' -draw 'rectangle 100,124 108,134' -draw 'rectangle 168,140 176,150' \
  -stroke '#ffff00' -strokewidth 6 -draw 'line 128,40 128,92' \
  -fill '#ffff00' -stroke none -draw 'polygon 128,40 190,52 128,64' -draw 'polygon 128,64 86,74 128,84' \
  -fill none -stroke '#000080' -strokewidth 8 -draw 'roundrectangle 4,4 251,251 36,36' \
  -strip PNG32:vetrovay.png
echo "dist/vetrovay.png"
