#!/usr/bin/env bash
# Draws the setup's icon, installer/RvInfo.ico (16x16 and 32x32), with ImageMagick. The icon is
# committed; run this again after changing the picture.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# On a 16x16 grid: a navy tile, a white base line and three rising green bars, the module's
# gauge strip in miniature.
SHAPES=("navy 0 0 15 15" "white 2 13 13 13" "lime 3 9 4 12" "lime 7 6 8 12" "lime 11 3 12 12")

for size in 16 32; do
  scale=$((size / 16))
  args=()
  for shape in "${SHAPES[@]}"; do
    read -r colour x0 y0 x1 y1 <<<"$shape"
    args+=(-fill "$colour" -draw "rectangle $((x0 * scale)),$((y0 * scale)) $(((x1 + 1) * scale - 1)),$(((y1 + 1) * scale - 1))")
  done
  convert -size "${size}x${size}" xc:none "${args[@]}" "PNG32:$tmp/$size.png"
done
convert "$tmp/16.png" "$tmp/32.png" RvInfo.ico
