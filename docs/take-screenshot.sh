#!/usr/bin/env bash
# Takes the README's picture of the editor, docs/vantrel-editor.png, from the real program: a
# generated texture of eight cameos is opened through File, Open, and the corners of one cameo are
# picked with the mouse. Runs on a virtual display under openbox (Xvfb, openbox, xdotool and
# ImageMagick: scripts/install-deps linux).
# Usage: docs/take-screenshot.sh [BUILD_DIR]   (default: build, as made by scripts/run-tests)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
[ -x "$build/bin/vantrel" ] || { echo "no $build/bin/vantrel: build it first" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Eight 64 x 64 cameos on a 256 x 128 texture: a coloured badge with a letter each.
tiles=()
colours=(firebrick darkorange goldenrod seagreen teal steelblue slateblue purple)
letters=(T A H R I G S P)
for i in "${!colours[@]}"; do
  convert -size 64x64 "gradient:${colours[$i]}-black" -fill none -stroke white -strokewidth 2 \
    -draw 'roundrectangle 4,4 59,59 8,8' -fill white -stroke none -font DejaVu-Sans-Bold -pointsize 34 \
    -gravity center -annotate +0+1 "${letters[$i]}" "$work/tile$i.png"
  tiles+=("$work/tile$i.png")
done
montage "${tiles[@]}" -tile 4x2 -geometry +0+0 -depth 8 -type TrueColor "$work/Cameos.png"
"$root/tests/e2e/make-tga.sh" "$work/Cameos.png" "$work/Cameos.tga"

cat >"$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
build="$1" work="$2" picture="$3"
. "$4"
QT_QPA_PLATFORM=xcb "$build/bin/vantrel" >"$work/vantrel.log" 2>&1 &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
sleep 1; xdotool key q   # the splash
main=$(find_window '^Vantrel 2\.0$')
xdotool windowmove "$main" 40 40; sleep 0.5
xdotool windowfocus --sync "$main"; xdotool key ctrl+o
dialog=$(find_window '^Open$')
xdotool windowfocus --sync "$dialog"; xdotool type --delay 5 "$work/Cameos.tga"; xdotool key Return
sleep 1.5
# The canvas's top-left corner on the screen: the main window's client area below the menu bar.
read -r x y < <(window_origin "$main")
# Find the canvas by its first pixel row in a screenshot: the texture's top-left tile is red.
import -window root "$work/loaded.png"
origin=$(convert "$work/loaded.png" -crop 400x200+"$x"+"$y" +repage -fill black -fuzz 20% +opaque 'rgb(178,34,34)' \
  -fill white -fuzz 20% -opaque 'rgb(178,34,34)' -format '%@' info:)
[[ "$origin" =~ \+([0-9]+)\+([0-9]+)$ ]] || { echo "no canvas found ($origin)" >&2; exit 1; }
cx=$((x + BASH_REMATCH[1])) cy=$((y + BASH_REMATCH[2]))
# The second cameo of the top row: its top-left and bottom-right pixels.
xdotool mousemove $((cx + 64)) $((cy + 0)) click 1; sleep 0.3
xdotool mousemove $((cx + 127)) $((cy + 63)) click 1; sleep 0.3
xdotool mousemove $((cx + 150)) $((cy + 150)); sleep 0.5
import -window root "$work/picked.png"
# The window with its frame: openbox draws about 22 pixels of title bar above the client area.
wx=$((x - 1)) wy=$((y - 23))
ww=$(xwininfo -id "$main" | awk '/Width/ {print $2}') wh=$(xwininfo -id "$main" | awk '/Height/ {print $2}')
convert "$work/picked.png" -crop $((ww + 2))x$((wh + 24))+"$wx"+"$wy" +repage "$picture"
DRIVE
chmod +x "$work/drive.sh"
"$root/tests/support/with-window-manager" openbox "$work/drive.sh" "$build" "$work" "$root/docs/vantrel-editor.png" \
  "$root/tests/support/x11-windows.sh"
echo "take-screenshot: docs/vantrel-editor.png ($(identify -format '%wx%h' "$root/docs/vantrel-editor.png"))"
