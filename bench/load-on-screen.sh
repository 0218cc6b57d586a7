#!/usr/bin/env bash
# Measures, in a real window, the time from Enter in the Open dialog to the whole texture on the
# screen, for the Linux (Qt) and the Windows (Win32 under Wine) programs in the same run, with the
# largest texture the main window can be fitted to (1984 x 2117). The texture's top-left pixel,
# the last one painted, has a colour of its own; the clock stops when the screen shows it.
# Usage: bench/load-on-screen.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR [RUNS]
# Needs Xvfb, openbox, xdotool, ImageMagick and Wine; prints one line per run and program.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
linux="$(cd "$1" && pwd)" windows="$(cd "$2" && pwd)" runs="${3:-3}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The marker texture finds the canvas on the screen; the big one is timed.
convert -size 8x8 xc:'rgb(1,2,3)' -depth 8 -type TrueColor "$work/marker.png"
"$here/../tests/e2e/make-tga.sh" "$work/marker.png" "$work/marker.tga"
convert -size 1984x2117 plasma:fractal -seed 7 -depth 8 -fill 'rgb(7,8,9)' -draw 'point 0,0' -type TrueColor \
  "$work/big.png"
"$here/../tests/e2e/make-tga.sh" "$work/big.png" "$work/big.tga"

. "$here/../tests/support/virtual-display.sh"
start_virtual_display 2400x2400x24
xvfb=$xvfb_pid
export WINEPREFIX="$windows/wineprefix" WINEDEBUG=-all
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
cleanup() { wineserver -k 2>/dev/null || true; kill $wm $xvfb 2>/dev/null || true; }
trap 'cleanup; rm -rf "$work"' EXIT
sleep 0.5

. "$(dirname "$0")/../tests/support/x11-windows.sh"
window_x() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9-]*\),.*/\1/p'; }
window_y() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: [0-9-]*,\([0-9-]*\).*/\1/p'; }
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -1 | grep -o 'srgb([0-9,]*)' || true; }

open_texture() {  # $1 main window, $2 path as the program wants it; prints the time of Enter
  xdotool windowfocus --sync "$1"; sleep 0.3; xdotool key ctrl+o
  local dialog; dialog=$(find_window '^Open$'); xdotool windowfocus --sync "$dialog"; sleep 0.3
  # Qt's dialog comes with a name filled in; the Windows one with an empty box.
  [[ "$2" == Z:* ]] || xdotool key ctrl+a
  # Enter at once: a pause lets the Windows dialog's completion list open and take the key.
  xdotool type --delay 10 "$2"; date +%s.%N; xdotool key Return
}

measure() {  # $1 name, $2 path form (unix|wine), command...
  local name=$1 form=$2; shift 2
  "$@" >/dev/null 2>&1 &
  local app=$!
  local main; main=$(find_window '^Vantrel 2\.0$'); sleep 1
  local path=$work/marker.tga big=$work/big.tga
  if [ "$form" = wine ]; then path="Z:${path//\//\\}"; big="Z:${big//\//\\}"; fi
  open_texture "$main" "$path" >/dev/null; sleep 1.5
  local origin; origin=$(import -window root "$work/shot.png"; convert "$work/shot.png" -fill black +opaque 'rgb(1,2,3)' \
      -fill white -opaque 'rgb(1,2,3)' -format '%@' info:)
  [[ "$origin" =~ ^8x8\+([0-9]+)\+([0-9]+)$ ]] || { cp "$work/shot.png" "${VANTREL_BENCH_SHOTS:-/dev/null}" 2>/dev/null; echo "$name: marker not found ($origin)"; kill $app; return 1; }
  # The window manager may move the window when it grows: the canvas is found from the window's
  # place each time, at the offset the marker showed.
  local dx=$((BASH_REMATCH[1] - $(window_x "$main"))) dy=$((BASH_REMATCH[2] - $(window_y "$main")))
  local start; start=$(open_texture "$main" "$big")
  local deadline=$(( $(date +%s) + 120 ))
  while [ "$(pixel $(( $(window_x "$main") + dx )) $(( $(window_y "$main") + dy )))" != "srgb(7,8,9)" ]; do
    [ "$(date +%s)" -lt "$deadline" ] || { echo "$name: the texture did not show within 120 s"; kill $app; return 1; }
  done
  local end; end=$(date +%s.%N)
  echo "$name: $(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }') s from Enter to the whole 1984 x 2117 texture on screen"
  kill $app 2>/dev/null || true; wait $app 2>/dev/null || true
  sleep 1
}

wineboot -i >/dev/null 2>&1 || true; wineserver -p 60 >/dev/null 2>&1 || true
for run in $(seq "$runs"); do
  QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 measure "linux (Qt), run $run" unix "$linux/bin/vantrel"
  measure "windows (Win32 under Wine), run $run" wine wine "$windows/bin/vantrel.exe"
done
