#!/usr/bin/env bash
# The editor driven as a user drives it, in a real window under Xvfb: File, Open with a typed
# path, two mouse presses on the texture, Complete Entry with a typed name, Save with a typed path.
# Prints the saved file and compares it with the expected bytes; exits non-zero on a difference.
# The screenshot's canvas is compared with a reference PNG of the texture as painted (24-bit, the
# first stored row at the bottom) pixel by pixel.
# The texture is expected to be 200 x 32, such as 200x32_rgb_bl_rle.tga of the shared samples.
# Usage: tests/e2e/editor-journey.sh BUILD_DIR TEXTURE.tga OUT_DIR REFERENCE.png
set -euo pipefail
build=$1 texture=$2 out=$3 reference=$4
# The dialogs take absolute paths: a relative one is read against the dialog's own folder.
mkdir -p "$out"; out="$(cd "$out" && pwd)"; texture="$(cd "$(dirname "$texture")" && pwd)/$(basename "$texture")"
. "$(dirname "$0")/../support/virtual-display.sh"
start_virtual_display 1600x1200x24
app=""
trap 'kill $app $xvfb_pid 2>/dev/null || true' EXIT
QT_QPA_PLATFORM=xcb "$build/bin/vantrel" >"$out/vantrel.log" 2>&1 &
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
# The canvas starts below the menu bar, at the window's left edge (no window manager, so no
# decorations). Its top is found where the screenshot shows the reference picture exactly.
size=$(identify -format '%wx%h' "$reference")
menu=""
for top in $(seq 0 40); do
  convert "$out/1-loaded.png" -crop "${size}+0+${top}" +repage "$out/canvas.png"
  if [ "$(compare -metric AE "$out/canvas.png" "$reference" null: 2>&1 || true)" = 0 ]; then menu=$top; break; fi
done
[ -n "$menu" ] || { echo "the canvas does not show the reference picture pixel for pixel" >&2; exit 1; }
echo "canvas matches the reference pixel for pixel, $menu pixels below the window's top"

# Pixel (12, 4) of the texture, then pixel (60, 20) with the right button.
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
expected_block=$(printf 'MappedImage Tank \r\nTexture = %s\r\nTextureWidth = 200\r\nTextureHeight = 32\r\nCoords = Left:12 Top:4 Right:60 Bottom:20\r\nStatus = NONE\r\nEnd\r\n \r\n' "$(basename "$texture")" | od -An -tx1)
if [ "$(wc -l <"$out/journey.ini")" -eq 13 ] && [ "$(tail -n 8 "$out/journey.ini" | od -An -tx1)" = "$expected_block" ]; then
  echo "journey.ini written as expected"
else
  echo "journey.ini differs:"; cat -A "$out/journey.ini"; exit 1
fi
