#!/usr/bin/env bash
# Draws the splash window's two 400 x 55 banners with ImageMagick. Run once when the art changes;
# the PNG files it writes are what the program ships.
set -euo pipefail
cd "$(dirname "$0")"

font_bold=$(fc-match -f '%{file}' 'DejaVu Sans:bold')
font_plain=$(fc-match -f '%{file}' 'DejaVu Sans')

# Top: the name on a dark steel gradient, with a row of small cameo tiles at the left and the
# corner marks the editor's picking is about.
convert -size 400x55 gradient:'#1d2b3a'-'#3f5f7f' \
  -fill '#c9a227' -stroke '#c9a227' \
  -draw 'rectangle 10,12 40,42' \
  -fill '#7fa7c9' -stroke '#7fa7c9' -draw 'rectangle 46,12 76,42' \
  -fill '#a33b2c' -stroke '#a33b2c' -draw 'rectangle 82,12 112,42' \
  -stroke '#ffffff' -strokewidth 2 -fill none \
  -draw 'line 6,8 16,8' -draw 'line 6,8 6,18' \
  -draw 'line 116,46 106,46' -draw 'line 116,46 116,36' \
  -stroke none -fill '#f2f2f2' -font "$font_bold" -pointsize 30 \
  -annotate +130+39 'VANTREL' \
  -fill '#c9a227' -font "$font_plain" -pointsize 11 -annotate +305+39 'version 2' \
  -depth 8 PNG24:banner_top.png

# Bottom: what the tool does, on the same gradient turned round, with a thin gold rule.
convert -size 400x55 gradient:'#3f5f7f'-'#1d2b3a' \
  -stroke '#c9a227' -strokewidth 1 -draw 'line 10,8 390,8' -draw 'line 10,47 390,47' \
  -stroke none -fill '#f2f2f2' -font "$font_bold" -pointsize 13 \
  -gravity center -annotate +0-6 'Cameo mapping for Generals and Zero Hour' \
  -fill '#c9d7e4' -font "$font_plain" -pointsize 10 \
  -annotate +0+11 'Targa textures in, MappedImage INI out' \
  -depth 8 PNG24:banner_bottom.png
