#!/bin/sh
# Redraws the unit pictures shown on the main window's pages (needs ImageMagick's convert).
# The Tavrin II buttons sit at the heights of the five button rows beside the picture.
set -eu
cd "$(dirname "$0")"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# Tavrin II: a narrow bar with its USB lead at the top, a status light and five numbered buttons.
set -- -size 61x318 xc:none \
    -fill '#30353b' -stroke none -draw "rectangle 28,0 33,12" \
    -fill '#4a525c' -draw "roundrectangle 21,5 40,17 3,3" \
    -fill '#e3e7ec' -stroke '#5b6571' -strokewidth 2 -draw "roundrectangle 3,15 57,315 12,12" \
    -fill '#cfd6de' -stroke none -draw "roundrectangle 9,21 51,309 8,8" \
    -fill '#46c35f' -stroke '#2a7a3e' -strokewidth 1 -draw "circle 30,26 30,28"
number=1
for y in 46 107 168 229 290; do
    set -- "$@" \
        -fill '#2f6db3' -stroke '#1d4a7d' -strokewidth 2 -draw "circle 30,$y 30,$((y + 14))" \
        -fill '#4f84c6' -stroke none -draw "circle 30,$((y - 1)) 30,$((y + 9))" \
        -fill white -font "$font" -pointsize 13 -gravity NorthWest -annotate "+26+$((y - 8))" "$number"
    number=$((number + 1))
done
convert "$@" -depth 8 -strip -define png:exclude-chunks=date,time tavrin2.png

# The Dalen case with its lead at the top; the caller draws what sits on it.
draw_dalen() {
    file=$1
    shift
    convert -size 105x322 xc:none \
        -fill '#30353b' -stroke none -draw "rectangle 50,0 55,24" \
        -fill '#4a525c' -draw "roundrectangle 41,14 64,34 4,4" \
        -fill '#ece8df' -stroke '#666a70' -strokewidth 2 -draw "roundrectangle 5,30 99,318 22,22" \
        "$@" -depth 8 -strip -define png:exclude-chunks=date,time "$file"
}

# Dalen: a one-button unit with its lead at the top, a status light, the big call button and a speaker grille.
draw_dalen dalen.png \
    -fill '#46c35f' -stroke '#2a7a3e' -strokewidth 1 -draw "circle 52,62 52,67" \
    -fill '#d5d0c5' -stroke '#a9a397' -strokewidth 2 -draw "circle 52,140 52,182" \
    -fill '#c63a31' -stroke '#8a231d' -strokewidth 3 -draw "circle 52,140 52,174" \
    -fill '#dd6a61' -stroke none -draw "circle 44,130 44,141" \
    -fill '#8b8679' -stroke none \
    -draw "roundrectangle 30,226 75,230 2,2" -draw "roundrectangle 30,238 75,242 2,2" \
    -draw "roundrectangle 30,250 75,254 2,2" -draw "roundrectangle 30,262 75,266 2,2" \
    -fill '#d5d0c5' -stroke '#a9a397' -strokewidth 1 -draw "roundrectangle 30,286 75,300 3,3"

# Dalen - 2 Button: the same unit with two numbered call buttons, top to bottom in the order of the page's groups
# ("Button 2" above "Button 1").
draw_dalen dalen2.png \
    -fill '#46c35f' -stroke '#2a7a3e' -strokewidth 1 -draw "circle 52,58 52,63" \
    -fill '#d5d0c5' -stroke '#a9a397' -strokewidth 2 -draw "circle 52,115 52,148" \
    -fill '#c63a31' -stroke '#8a231d' -strokewidth 3 -draw "circle 52,115 52,142" \
    -fill '#dd6a61' -stroke none -draw "circle 45,107 45,116" \
    -fill white -font "$font" -pointsize 16 -gravity NorthWest -annotate "+46+104" "2" \
    -fill '#d5d0c5' -stroke '#a9a397' -strokewidth 2 -draw "circle 52,195 52,228" \
    -fill '#c63a31' -stroke '#8a231d' -strokewidth 3 -draw "circle 52,195 52,222" \
    -fill '#dd6a61' -stroke none -draw "circle 45,187 45,196" \
    -fill white -font "$font" -pointsize 16 -gravity NorthWest -annotate "+46+184" "1" \
    -fill '#8b8679' -stroke none \
    -draw "roundrectangle 30,250 75,254 2,2" -draw "roundrectangle 30,262 75,266 2,2" \
    -draw "roundrectangle 30,274 75,278 2,2" \
    -fill '#d5d0c5' -stroke '#a9a397' -strokewidth 1 -draw "roundrectangle 30,290 75,304 3,3"
