#!/usr/bin/env bash
# Redraws the icons from simple shapes on a 128-pixel canvas and packs each
# as an .ico of 16, 20, 24 and 32 pixels (the tree picks the nearest to the
# screen's resolution). The .ico files are committed; run this only
# to change a picture (needs ImageMagick).
set -euo pipefail
cd "$(dirname "$0")"

draw() { # name, draw commands...
  local name=$1; shift
  convert -size 128x128 xc:none -strokewidth 5 "$@" /tmp/vv-$name-128.png
  for size in 16 20 24 32; do
    convert /tmp/vv-$name-128.png -filter Lanczos -resize ${size}x${size} /tmp/vv-$name-$size.png
  done
  convert /tmp/vv-$name-16.png /tmp/vv-$name-20.png /tmp/vv-$name-24.png /tmp/vv-$name-32.png "$name.ico"
  rm -f /tmp/vv-$name-*.png
}

folder_back=(-fill '#d9a21b' -stroke '#8a5f00' -draw 'path "M 8,30 L 48,30 L 58,42 L 120,42 L 120,112 L 8,112 Z"')

draw folder-closed "${folder_back[@]}" \
  -fill '#f6c644' -stroke '#8a5f00' -draw 'rectangle 8,50 120,112'

draw folder-open "${folder_back[@]}" \
  -fill '#fbfbf5' -stroke '#9a9a9a' -strokewidth 3 -draw 'rectangle 20,36 108,90' \
  -fill '#f6c644' -stroke '#8a5f00' -strokewidth 5 -draw 'polygon 2,60 104,60 124,112 22,112'

bin=(-fill '#b9c6d2' -stroke '#3d4c5a' -draw 'polygon 26,34 102,34 92,120 36,120'
     -stroke '#3d4c5a' -strokewidth 4 -draw 'line 50,46 54,110' -draw 'line 64,46 64,110' -draw 'line 78,46 74,110'
     -strokewidth 5 -fill '#8697a6' -draw 'rectangle 18,24 110,36' -fill none -draw 'rectangle 50,12 78,24')

draw recycle-empty "${bin[@]}"

draw recycle-full "${bin[@]}" \
  -fill '#ffffff' -stroke '#6b6b6b' -strokewidth 3 -draw 'polygon 30,26 56,6 70,24 44,40' \
  -fill '#f1e7b8' -draw 'polygon 60,22 98,10 104,30 66,40' \
  -fill '#cfe3f7' -draw 'polygon 40,30 80,30 82,44 38,44'

draw plugin \
  -fill '#1f5fa8' -stroke '#0d2f57' -draw 'roundrectangle 22,8 116,120 10,10' \
  -fill '#f4f1e4' -stroke '#0d2f57' -strokewidth 3 -draw 'rectangle 104,16 112,112' \
  -fill '#ffffff' -stroke none -draw 'polygon 44,36 58,36 70,82 82,36 96,36 76,98 64,98' \
  -fill '#c9d3dd' -stroke '#4a5966' -strokewidth 4 \
  -draw 'roundrectangle 8,22 30,32 5,5' -draw 'roundrectangle 8,58 30,68 5,5' -draw 'roundrectangle 8,94 30,104 5,5'
