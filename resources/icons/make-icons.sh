#!/usr/bin/env bash
# Draws Varnelo's icon (a small window with a menu bar and two printed lines)
# and assembles the Windows icon group from indexed copies of it:
# 32x32 in 2 colours, 32x32 in 16 colours, 16x16 in 16 colours.
# Outputs are committed; rerun after changing a picture.
# Needs ImageMagick (convert) and icoutils (icotool).
set -euo pipefail
cd "$(dirname "$0")"

# Same picture at both sizes, drawn on the pixel grid so it stays crisp.
disegna() {
  local lato=$1 uscita=$2
  local m=$((lato - 1)) barra=$((lato / 4)) riga=$((lato / 16))
  [ "$riga" -ge 1 ] || riga=1
  convert -size "${lato}x${lato}" xc:none \
    -fill '#1f4e9c' -draw "rectangle 0,0 $m,$m" \
    -fill '#ffffff' -draw "rectangle 1,$barra $((m - 1)),$((m - 1))" \
    -fill '#f2c200' -draw "rectangle 2,1 $((lato / 3)),$((barra - 2))" \
    -fill '#000000' \
    -draw "rectangle 3,$((barra + 2 * riga + 1)) $((lato * 3 / 4)),$((barra + 3 * riga))" \
    -draw "rectangle 3,$((barra + 5 * riga + 1)) $((lato / 2)),$((barra + 6 * riga))" \
    -fill '#c00000' \
    -draw "rectangle $((lato * 5 / 8)),$((barra + 5 * riga + 1)) $((m - 3)),$((barra + 6 * riga))" \
    -define png:color-type=6 "$uscita"
}

disegna 16 varnelo-16.png
disegna 32 varnelo-32.png

# icotool chooses the bit depth from the PNG's palette size.
convert varnelo-32.png -background white -alpha remove -threshold 50% -colors 2 \
  -define png:color-type=3 -define png:bit-depth=1 varnelo-32-1bit.png
convert varnelo-32.png -background white -alpha remove -colors 16 +dither \
  -define png:color-type=3 -define png:bit-depth=4 varnelo-32-4bit.png
convert varnelo-16.png -background white -alpha remove -colors 16 +dither \
  -define png:color-type=3 -define png:bit-depth=4 varnelo-16-4bit.png

icotool -c -o varnelo.ico varnelo-32-1bit.png varnelo-32-4bit.png varnelo-16-4bit.png
icotool -l varnelo.ico
