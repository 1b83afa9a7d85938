#!/usr/bin/env bash
# Draws the program icon "A_MAIN" (a window whose title bar carries a clock) and packs it into
# lartsen.ico with the sizes 16 to 256, and the small sizes alone into setup.ico; with
# --hicolor DIR it writes instead the PNG files of the icon theme (DIR/<size>x<size>/apps/lartsen.png,
# 16 to 256 with 22). Run from anywhere; needs ImageMagick's convert.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One master drawing at 256 px; the small sizes are redrawn with heavier strokes so they stay legible.
draw() {  # size stroke
  local s=$1 w=$2
  convert -size 256x256 xc:none \
    -fill '#1f5fa8' -stroke '#123a66' -strokewidth "$w" -draw 'roundrectangle 12,28 244,236 28,28' \
    -fill '#2f7fd8' -stroke none -draw 'roundrectangle 18,34 238,92 22,22' \
    -fill '#f4f7fb' -stroke '#123a66' -strokewidth "$w" -draw 'rectangle 30,100 226,222' \
    -fill '#9fb6d3' -stroke none -draw 'rectangle 48,124 150,138' -draw 'rectangle 48,154 196,168' \
    -draw 'rectangle 48,184 130,198' \
    -fill '#ffb020' -stroke '#7a4a00' -strokewidth "$w" -draw 'circle 196,62 196,12' \
    -fill none -stroke '#7a4a00' -strokewidth "$((w + 4))" -draw 'line 196,62 196,30' -draw 'line 196,62 220,74' \
    -fill '#f4f7fb' -stroke none -draw 'roundrectangle 30,50 130,74 8,8' \
    -resize "${s}x${s}" "$work/icon-$s.png"
}
draw 256 6
draw 128 6
draw 64 8
draw 48 10
draw 32 12
draw 24 14
draw 16 16
for f in "$work"/icon-*.png; do convert "$f" -depth 8 "PNG32:$f"; done

if [ "${1:-}" = "--hicolor" ]; then
  draw 22 14
  convert "$work/icon-22.png" -depth 8 "PNG32:$work/icon-22.png"
  for s in 16 22 24 32 48 64 128 256; do
    mkdir -p "$2/${s}x${s}/apps"
    # No time stamps or other chunks that change from one run to the next.
    convert "$work/icon-$s.png" -strip -define png:exclude-chunks=date,time "PNG32:$2/${s}x${s}/apps/lartsen.png"
  done
  exit 0
fi
convert "$work"/icon-16.png "$work"/icon-24.png "$work"/icon-32.png "$work"/icon-48.png \
  "$work"/icon-64.png "$work"/icon-128.png "$work"/icon-256.png "$here/lartsen.ico"
# The setup program shows its icon small only; the large sizes would only make it bigger.
convert "$work"/icon-16.png "$work"/icon-24.png "$work"/icon-32.png "$work"/icon-48.png "$here/setup.ico"
