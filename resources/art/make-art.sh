#!/usr/bin/env bash
# Makes the program's pictures: ImageMagick draws them, pack.py writes the exact Windows formats.
#   sfondo.bmp     512 x 256 background, 256 colours
#   mainicon.ico   32 x 32 program icon, 256 colours with its mask
#   mano.cur       32 x 32 monochrome hand cursor, from mano.txt
#   ttrayicon.bmp  24 x 24 palette picture, 16 colours, from ttrayicon.txt
# Run from anywhere; the files land in resources/.
set -euo pipefail

NAME='Tralalino!'
ADDRESS='www.tralalino.example'
MARK='VD'
FONT_BOLD=/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf

art=$(cd "$(dirname "$0")" && pwd)
out=$(dirname "$art")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# A warm paper, plain where the texts go and where the About window shows it.
convert -size 512x256 xc:'#fbf1d9' -seed 7 -attenuate 0.35 +noise Gaussian -blur 0x0.8 \
  -fill '#fbf1d9' -colorize 55% paper.png
# The title band: the name at the left, the address at the right under its hot spot
# (x 328..505, y 32..57), and the maker's stamp in the corner under its own (x 464.., y 224..).
convert -size 512x58 gradient:'#f7c35f'-'#f0a43c' band.png
convert paper.png band.png -geometry +0+0 -composite \
  -fill '#8a2b12' -draw 'rectangle 0,58 511,59' \
  -fill '#f9dca0' -draw 'rectangle 0,60 511,60' \
  -font "$FONT_BOLD" -pointsize 44 \
  -fill '#00000030' -annotate +15+47 "$NAME" \
  -fill '#7a1f12' -annotate +12+44 "$NAME" \
  -pointsize 15 -fill '#5a1a0c' -annotate +338+50 "$ADDRESS" \
  -fill none -stroke '#8a2b12' -strokewidth 2 -draw 'circle 488,241 488,227' \
  -stroke none -pointsize 15 -fill '#8a2b12' -annotate +477+246 "$MARK" \
  background.png
convert background.png -dither None -colors 256 -depth 8 ppm:background.ppm
python3 "$art/pack.py" bmp8 background.ppm "$out/sfondo.bmp"

# The icon: an orange badge with a maroon "T!", drawn large and scaled down.
convert -size 128x128 xc:none \
  -fill '#7a1f12' -draw 'circle 64,64 64,4' \
  -fill '#f7b446' -draw 'circle 64,64 64,12' \
  -font "$FONT_BOLD" -pointsize 78 -fill '#7a1f12' -gravity center -annotate +2+4 'T!' \
  -resize 32x32 icon.png
convert icon.png -background '#f7b446' -alpha remove -dither None -colors 255 -depth 8 \
  ppm:icon.ppm
convert icon.png -alpha extract -depth 8 pgm:icon-alpha.pgm
python3 "$art/pack.py" ico icon.ppm icon-alpha.pgm "$out/mainicon.ico"

python3 "$art/pack.py" cur "$art/mano.txt" "$out/mano.cur"
python3 "$art/pack.py" bmp4 "$art/ttrayicon.txt" "$out/ttrayicon.bmp"
