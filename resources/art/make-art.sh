#!/bin/sh
# Regenerates the program's pictures in resources/: the joke window's background, the hand
# cursor, the program's icon and the tray component's palette bitmap. Needs ImageMagick 6,
# Python 3 and the Debian fonts fonts-comic-neue and fonts-dejavu-core. The noise is seeded,
# so a rerun gives the same files.
set -eu

NAME='Tralalino!'
ADDRESS='www.tralalino.example'
MARK='VD'

COMIC=/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf
SANS=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# The warm palette; the texts drawn over the paper are maroon, brown and black.
PAPER='#F8EFDC'
PAPER_EDGE='#F0E3CB'
BAND_TOP='#B3462A'
BAND_BOTTOM='#86281A'
BAND_RULE='#E8B85C'
LETTERING='#FFE6A6'
LETTERING_EDGE='#5A1308'
SHADOW='#3E0B04'
ADDRESS_INK='#FCE7C0'
MARK_INK='#9A4A2E'
ICON_TOP='#C9552F'
ICON_BOTTOM='#8E2C1B'

art=$(cd "$(dirname "$0")" && pwd)
out=$(dirname "$art")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Paper: fine grain and a few long fibres, softly lighter in the middle.
convert -size 512x256 xc:"$PAPER" \
    \( -size 512x256 xc:gray50 -seed 7 +noise Random -colorspace gray -blur 0x0.8 \
       -level 20%,80% +level 42%,58% \) -compose softlight -composite \
    \( -size 512x256 xc:gray50 -seed 9 +noise Random -colorspace gray -motion-blur 0x10+80 \
       -level 30%,70% +level 43%,57% \) -compose softlight -composite \
    \( -size 600x600 radial-gradient:white-"$PAPER_EDGE" -resize 600x300\! \
       -gravity center -crop 512x256+0+0 +repage \) -compose multiply -composite \
    "$work/paper.png"

# Title band, rows 0..55, with faint polka dots.
convert -size 24x24 xc:none -fill '#FFFFFF16' -draw 'circle 6,6 6,9' \
    -draw 'circle 18,18 18,21' -write mpr:dot +delete \
    -size 512x54 gradient:"$BAND_TOP"-"$BAND_BOTTOM" \
    \( -size 512x54 xc:none -tile mpr:dot -draw 'color 0,0 reset' \) -composite \
    "$work/band.png"

# The name, one letter at a time, each tilted and lifted a little so that it bounces.
i=0
printf '%s\n' "$NAME" | fold -w1 | while IFS= read -r letter; do
    set -- -4 0 4 3 -2 1 5 4 -5 0 3 3 -3 1 4 4 -4 0 8 2
    shift $((i % 10 * 2))
    convert -background none -fill "$LETTERING" -stroke "$LETTERING_EDGE" -strokewidth 1.5 \
        -font "$COMIC" -pointsize 48 label:"$letter" -trim +repage -rotate "$1" \
        -gravity south -splice 0x"$2" -gravity east -splice 2x0 \
        "$work/letter-$(printf %02d $i).png"
    i=$((i + 1))
done
convert -background none -gravity south "$work"/letter-*.png +append -trim +repage \
    \( +clone -background "$SHADOW" -shadow 60x0.6+2+2 \) +swap -background none \
    -layers merge +repage \
    "$work/title.png"

# The maker's mark: a small ink stamp.
convert -size 44x30 xc:none -fill none -stroke "$MARK_INK" -strokewidth 1.5 \
    -draw 'roundrectangle 4,4 39,25 5,5' -stroke none -fill "$MARK_INK" -font "$COMIC" \
    -pointsize 16 -gravity center -annotate +0+1 "$MARK" -background none -rotate -6 \
    -channel A -evaluate multiply 0.85 +channel "$work/mark.png"

# The web address is right-aligned at x 504, inside its hot spot (x 328..505, y 32..57);
# the mark sits inside its hot spot (x 464..513, y 224..257).
convert "$work/paper.png" "$work/band.png" -geometry +0+0 -composite \
    -fill "$BAND_RULE" -draw 'rectangle 0,54 511,55' \
    \( -size 512x4 gradient:'#00000038'-'#00000000' \) -geometry +0+56 -composite \
    "$work/title.png" -geometry +12+6 -composite \
    -font "$SANS" -pointsize 12 -fill "$ADDRESS_INK" -gravity northeast \
    -annotate +8+37 "$ADDRESS" \
    "$work/mark.png" -gravity southeast -geometry +3+0 -composite \
    -dither None -colors 256 -depth 8 "$work/sfondo.ppm"
python3 "$art/pack.py" bmp8 "$work/sfondo.ppm" "$out/sfondo.bmp"

# The icon: a speech bubble saying "T!", drawn at four times its size and scaled down.
convert -size 128x128 xc:none -fill white -draw 'roundrectangle 4,6 123,100 34,34' \
    -draw 'polygon 22,84 12,124 60,96' "$work/bubble-outer.png"
convert -size 128x128 xc:none -fill white -draw 'roundrectangle 10,12 117,94 28,28' \
    -draw 'polygon 28,86 22,114 54,92' "$work/bubble-inner.png"
convert -size 128x128 xc:"$LETTERING_EDGE" "$work/bubble-outer.png" -compose copyopacity \
    -composite \
    \( -size 128x128 gradient:"$ICON_TOP"-"$ICON_BOTTOM" "$work/bubble-inner.png" \
       -compose copyopacity -composite \) -compose over -composite \
    -font "$SANS" -pointsize 78 -fill "$LETTERING" -stroke "$LETTERING" -strokewidth 4 \
    -gravity center -annotate +0-9 'T!' -resize 32x32 "$work/icon.png"
# 255 colours: pack.py keeps palette entry 0 black for the pixels that the mask leaves out.
convert "$work/icon.png" -alpha off -dither None -colors 255 -depth 8 "$work/icon.ppm"
convert "$work/icon.png" -alpha extract -depth 8 "$work/icon-alpha.pgm"
python3 "$art/pack.py" ico "$work/icon.ppm" "$work/icon-alpha.pgm" "$out/mainicon.ico"

python3 "$art/pack.py" cur "$art/mano.txt" "$out/mano.cur"
python3 "$art/pack.py" bmp4 "$art/ttrayicon.txt" "$out/ttrayicon.bmp"
