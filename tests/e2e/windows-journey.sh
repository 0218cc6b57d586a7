#!/usr/bin/env bash
# The Windows program driven as a user drives it, under Wine in the current X display (see
# scripts/with-wine-display): File, Open through the real Open dialog; the painted canvas compared
# with the texture's picture pixel for pixel in a screenshot; two mouse presses; Complete Entry
# with a typed name; Save As through the real dialog, the INI compared byte for byte; a save onto
# a read-only file refused with the old file left as it was; Exit's question answered Cancel;
# the close control answered No while About is open, and the program ending with its last
# window. Screenshots and files stay in OUT_DIR. Exits non-zero at the first difference.
# Runs under a window manager (openbox, started here when none runs) for the title bars' close
# controls.
# Usage: tests/e2e/windows-journey.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=../support/x11-windows.sh
. "$here/../support/x11-windows.sh"
build="$(cd "$1" && pwd)"
out="${2:-$build/e2e-journey}"
rm -rf "$out"; mkdir -p "$out"; out="$(cd "$out" && pwd)"
exe="$build/bin/vantrel.exe"
[ -f "$exe" ] || { echo "no $exe" >&2; exit 1; }
: "${DISPLAY:?needs an X display}"

fail() { echo "windows-journey: FAILED: $*" >&2; import -window root "$out/failure.png" 2>/dev/null || true; exit 1; }
step() { echo "windows-journey: $*"; }
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# A 200 x 32 texture whose top-left 3 x 3 pixels are a colour found nowhere else, so the canvas is
# found in a screenshot wherever the window stands and whatever decorations it has.
convert -size 200x32 gradient:'#ff0000-#0000ff' \( -size 32x200 gradient:'#00ff00-#000000' -rotate 90 \) \
  -compose plus -composite -fill 'rgb(1,2,3)' -draw 'rectangle 0,0 2,2' -depth 8 -type TrueColor \
  "$out/Icons.png"
"$here/make-tga.sh" "$out/Icons.png" "$out/Icons.tga"

# A window manager gives the windows their title bars and close controls, as on a desktop.
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  sleep 0.5
fi
wine "$exe" >"$out/vantrel.log" 2>&1 &
app=$!
trap 'kill $app ${wm:-} 2>/dev/null || true' EXIT


focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 0.3; }

main=$(find_window '^Vantrel 2\.0$') || fail "the main window did not appear after the splash"
step "main window $main"
sleep 0.5
import -window root "$out/0-started.png"

focus "$main"; xdotool key ctrl+o
open=$(find_window '^Open$') || fail "Ctrl+O opened no Open dialog"
focus "$open"; xdotool type --delay 10 "$(winpath "$out/Icons.tga")"; xdotool key Return
window_gone '^Open$' || fail "the Open dialog stayed open"
sleep 1.5
import -window root "$out/1-loaded.png"

origin=$(convert "$out/1-loaded.png" -fill black +opaque 'rgb(1,2,3)' -fill white -opaque 'rgb(1,2,3)' \
  -format '%@' info: 2>/dev/null || true)
[[ "$origin" =~ ^3x3\+([0-9]+)\+([0-9]+)$ ]] || fail "no painted texture found on the screen ($origin)"
x0=${BASH_REMATCH[1]} y0=${BASH_REMATCH[2]}
step "canvas origin on the screen: $x0, $y0"
convert "$out/1-loaded.png" -crop "200x32+$x0+$y0" +repage "$out/canvas.png"
differing=$(compare -metric AE "$out/canvas.png" "$out/Icons.png" "$out/canvas-diff.png" 2>&1 || true)
[ "$differing" = "0" ] || fail "$differing canvas pixels differ from the texture's picture"
step "canvas matches the texture pixel for pixel"

# Pixel (12, 4) with the left button, then (60, 20) with the right one.
xdotool mousemove $((x0 + 12)) $((y0 + 4)); sleep 0.2; xdotool click 1; sleep 0.3
xdotool mousemove $((x0 + 60)) $((y0 + 20)); sleep 0.2; xdotool click 3; sleep 0.3
import -window root "$out/2-picked.png"
focus "$main"; xdotool key ctrl+e
input=$(find_window '^Entry Name$') || fail "Ctrl+E asked for no name"
focus "$input"; xdotool type --delay 10 "Tank one"; xdotool key Return
window_gone '^Entry Name$' || fail "the name box stayed open"
sleep 0.3
import -window root "$out/3-completed.png"

focus "$main"; xdotool key ctrl+s
save=$(find_window '^Save As$') || fail "the first Ctrl+S opened no Save As dialog"
focus "$save"; xdotool type --delay 10 "$(winpath "$out/journey")"; xdotool key Return
window_gone '^Save As$' || fail "the Save As dialog stayed open"
sleep 0.5
[ -f "$out/journey.ini" ] || fail "journey.ini was not written (the default extension is ini)"
printf 'MappedImage Tank \r\nTexture = Icons.tga\r\nTextureWidth = 200\r\nTextureHeight = 32\r\nCoords = Left:12 Top:4 Right:60 Bottom:20\r\nStatus = NONE\r\nEnd\r\n \r\n' >"$out/expected-block"
[ "$(wc -c <"$out/journey.ini")" -eq $(( $(head -5 "$out/journey.ini" | wc -c) + $(wc -c <"$out/expected-block") )) ] &&
  tail -c "$(wc -c <"$out/expected-block")" "$out/journey.ini" | cmp -s - "$out/expected-block" &&
  head -1 "$out/journey.ini" | cmp -s - <(printf '; Vantrel Auto-Generated INI File\r\n') ||
  { cat -A "$out/journey.ini"; fail "journey.ini is not the header and the expected block"; }
step "journey.ini holds the header and the block, byte for byte"
cp "$out/journey.ini" "$out/journey.before"

# A second entry, then Save onto the file made read-only: refused with a message, file unchanged.
chmod a-w "$out/journey.ini"
xdotool mousemove $((x0 + 100)) $((y0 + 1)); sleep 0.2; xdotool click 1; sleep 0.2
xdotool mousemove $((x0 + 150)) $((y0 + 30)); sleep 0.2; xdotool click 1; sleep 0.3
focus "$main"; xdotool key ctrl+e
input=$(find_window '^Entry Name$') || fail "the second Ctrl+E asked for no name"
focus "$input"; xdotool type --delay 10 "Tank2"; xdotool key Return
window_gone '^Entry Name$' || fail "the name box stayed open"
focus "$main"; xdotool key ctrl+s
refusal=$(find_window '^Vantrel$' "$main") || fail "a refused save showed no message"
sleep 0.3; import -window root "$out/4-save-refused.png"
focus "$refusal"; xdotool key Return
window_gone '^Vantrel$' || fail "the refusal message stayed open"
cmp -s "$out/journey.ini" "$out/journey.before" || fail "the refused save changed the file"
[ -z "$(find "$out" -name '*.tmp')" ] || fail "a temporary file was left behind"
chmod u+w "$out/journey.ini"
step "a refused save left the old file as it was"

# Exit (File menu, from the keyboard: F10, open File, wrap up to Exit) asks; Cancel keeps running.
focus "$main"; xdotool key F10 Down Up Return
question=$(find_window '^Vantrel$' "$main") || fail "Exit asked nothing about unsaved work"
for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do echo "  window $id [$(xdotool getwindowname "$id")]"; done
sleep 0.3; import -window root "$out/5-exit-question.png"
focus "$question"; xdotool key Escape
sleep 0.5
kill -0 $app 2>/dev/null || fail "Cancel ended the program"
# The close control (the window manager's Alt+F4) asks the same. With About open, No closes the
# main window without saving and the program goes on until its last window, About, is closed.
xdotool mousemove $((x0 + 110)) $((y0 - 10)); sleep 0.2; xdotool click 1; sleep 0.5; xdotool key Down Return
about=$(find_window '^About Vantrel$') || fail "Help, About opened no About dialog"
focus "$main"; xdotool key alt+F4
question=$(find_window '^Vantrel$' "$main") || fail "closing the window asked nothing"
focus "$question"; xdotool key n
sleep 0.5; import -window root "$out/6-main-closed-about-open.png"
window_gone '^Vantrel 2\.0$' || fail "No left the main window open"
kill -0 $app 2>/dev/null || fail "the program ended while About was still open"
cmp -s "$out/journey.ini" "$out/journey.before" || fail "No wrote the file"
focus "$about"; xdotool key Escape
for _ in $(seq 1 50); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
kill -0 $app 2>/dev/null && fail "closing the last window did not end the program"
step "Exit asked; Cancel kept the program; No closed the window; the program ended with its last window"
echo "windows-journey: passed"
