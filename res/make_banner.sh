#!/bin/sh
# Draws the About box's banner, res/about/130_banner.bmp: 200 x 50, 24 bits, a clipboard with
# a quill and the product's name on magenta, which the box replaces by its own face colour.
# Needs ImageMagick. Run it again after a change and commit the picture.
cd "$(dirname "$0")" || exit 1
mkdir -p about
convert -size 172x50 xc:'#E0E0E0' \
    -fill '#8A5A2B' -draw 'roundrectangle 6,5 38,46 3,3' \
    -fill '#FDFDFB' -draw 'rectangle 10,11 34,42' \
    -fill '#B8BEC4' -draw 'rectangle 16,3 28,10' -fill '#7C8288' -draw 'rectangle 19,2 25,5' \
    -fill '#2F62B8' -draw 'rectangle 13,17 31,18' -draw 'rectangle 13,22 29,23' \
    -draw 'rectangle 13,27 31,28' -draw 'rectangle 13,32 25,33' \
    -fill '#2E9A3C' -stroke '#1E6E2A' -draw 'polygon 27,44 44,14 47,16 30,45' -stroke none \
    -font DejaVu-Sans-Bold -pointsize 21 -fill '#1C3F7A' -annotate +52+27 'Quillbox' \
    -font DejaVu-Sans -pointsize 10 -fill '#50565C' -annotate +53+42 'clipboard extender' \
    -gravity center -background '#E0E0E0' -extent 200x50 \
    -fill magenta -opaque '#E0E0E0' -type TrueColor bmp3:about/130_banner.bmp
