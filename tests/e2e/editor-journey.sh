#!/usr/bin/env bash
# The editor driven as a user drives it, in a real window under Xvfb: File, Open with a typed
# path, two mouse presses on the texture, Complete Entry with a typed name, Save with a typed path.
# Prints the saved file and compares it with the expected bytes; exits non-zero on a difference.
# With a reference PNG of the texture (as painted: bottom-up, 24-bit), the screenshot's canvas is
# compared with it pixel by pixel.
# The texture is expected to be 200 x 32, such as 200x32_rgb_bl_rle.tga of the shared samples.
# Usage: tests/e2e/editor-journey.sh BUILD_DIR TEXTURE.tga OUT_DIR [REFERENCE.png]
set -euo pipefail
build=$1 texture=$2 out=$3 reference=${4:-}
display=:$((60 + RANDOM % 30))
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
"$build/bin/vantrel" >"$out/vantrel.log" 2>&1 &
app=$!

find_window() {  # poll: --sync would wait forever on a name that never shows
  for _ in $(seq 1 50); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.2
  done
  echo "no window named $1" >&2; exit 1
}

main=$(find_window '^Vantrel 2.0$')   # after the splash
sleep 0.5
xdotool windowfocus --sync "$main"; xdotool key ctrl+o
dialog=$(find_window '^Open$'); sleep 0.5
xdotool windowfocus --sync "$dialog"; xdotool type --delay 5 "$texture"; xdotool key Return
sleep 1.5
import -window root "$out/1-loaded.png"
if [ -n "$reference" ]; then
  size=$(identify -format '%wx%h' "$reference")
  convert "$out/1-loaded.png" -crop "${size}+0+19" +repage "$out/canvas.png"
  differing=$(compare -metric AE "$out/canvas.png" "$reference" "$out/canvas-diff.png" 2>&1 || true)
  echo "canvas pixels differing from the reference: $differing"
fi

# The canvas starts below the menu bar; the window has no decorations without a window manager.
# Pixel (12, 4) of the texture, then pixel (60, 20) with the right button.
menu=22
xdotool mousemove 12 $((menu + 4)); sleep 0.2; xdotool click 1; sleep 0.2
xdotool mousemove 60 $((menu + 20)); sleep 0.2; xdotool click 3; sleep 0.3
import -window root "$out/2-picked.png"
xdotool windowfocus --sync "$main"; xdotool key ctrl+e
input=$(find_window '^Entry Name$'); sleep 0.3
xdotool windowfocus --sync "$input"; xdotool type --delay 5 "Tank one"; xdotool key Return
sleep 0.5
import -window root "$out/3-completed.png"
xdotool windowfocus --sync "$main"; xdotool key ctrl+s
save=$(find_window '^Save As$'); sleep 0.5
xdotool windowfocus --sync "$save"; xdotool key ctrl+a; xdotool type --delay 5 "$out/journey"; xdotool key Return
sleep 1
import -window root "$out/4-saved.png"
expected_block=$(printf 'MappedImage Tank \r\nTexture = %s\r\nTextureWidth = 200\r\nTextureHeight = 32\r\nCoords = Left:12 Top:7 Right:60 Bottom:23\r\nStatus = NONE\r\nEnd\r\n \r\n' "$(basename "$texture")" | od -An -tx1)
if [ "$(wc -l <"$out/journey.ini")" -eq 13 ] && [ "$(tail -n 8 "$out/journey.ini" | od -An -tx1)" = "$expected_block" ]; then
  echo "journey.ini written as expected"
else
  echo "journey.ini differs:"; cat -A "$out/journey.ini"; exit 1
fi
