#!/usr/bin/env bash
# What the Windows program's windows are to the X11 window manager running in the current display
# (see scripts/with-wine-display; run it under openbox and under xfwm4): the splash is the active
# window as it shows, so a character key dismisses it before its timer; the main window has a
# taskbar entry; About and the tutorial window have none (_NET_WM_STATE_SKIP_TASKBAR); the
# tutorial window opens maximized. The main window and the delete dialog are managed windows (not
# override-redirect, framed by the window manager) that open away from the screen's corner, and
# the delete dialog has no taskbar entry and does not cover the main window's menu bar. Screenshots stay in OUT_DIR. Exits non-zero at the first
# difference.
# Usage: tests/e2e/windows-window-manager.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
build="$(cd "$1" && pwd)"
# shellcheck source=../support/x11-windows.sh
. "$(dirname "$0")/../support/x11-windows.sh"
wm="$(xprop -root -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-f]*' || true)"
[ -n "$wm" ] || { echo "windows-window-manager: needs a window manager running" >&2; exit 1; }
wm_name="$(xprop -id "$wm" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/.*= "\(.*\)"/\1/p')"
out="${2:-$build/e2e-window-manager-${wm_name:-wm}}"
rm -rf "$out"; mkdir -p "$out"; out="$(cd "$out" && pwd)"
exe="$build/bin/vantrel.exe"
[ -f "$exe" ] || { echo "no $exe" >&2; exit 1; }

fail() { echo "windows-window-manager ($wm_name): FAILED: $*" >&2; import -window root "$out/failure.png" 2>/dev/null || true; exit 1; }
step() { echo "windows-window-manager ($wm_name): $*"; }
active() { xprop -root -notype _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-f]*' | head -1; }
states() { xprop -id "$1" -notype _NET_WM_STATE 2>/dev/null || true; }

start=$(date +%s%N)
wine "$exe" >"$out/vantrel.log" 2>&1 &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT

# The splash: the program's first window, with no title.
splash=$(find_window --class 'vantrel\.exe') || fail "no splash appeared"
shown=$(date +%s%N)
sleep 0.3
import -window root "$out/1-splash.png"
step "splash $(printf '0x%x' "$splash"); active window ${active_window:=$(active)}; input focus $(printf '0x%x' "$(xdotool getwindowfocus 2>/dev/null || echo 0)")"
# A character key sent to whatever window has the focus, as a user's key press is. What is timed
# is the splash going, which the key does at once; the main window's creation after it may take
# a while on a loaded machine and says nothing about the key.
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
viewable "$splash" || fail "the splash went before the key was pressed (its 2000 ms timer): cannot tell whether the key reaches it"
xdotool key q
keyed=$(date +%s%N)
while viewable "$splash" && [ $(( ($(date +%s%N) - keyed) / 1000000 )) -lt 3000 ]; do sleep 0.02; done
gone=$(( ($(date +%s%N) - keyed) / 1000000 ))
[ "$gone" -lt 1000 ] || fail "the splash went $gone ms after the key: the key did not dismiss it (timer 2000 ms)"
main=$(find_window '^Vantrel 2\.0$') || fail "the main window did not appear"
dismissed=$(( ($(date +%s%N) - shown) / 1000000 ))
step "the splash was active; a key dismissed it $gone ms after the key, the main window showed $dismissed ms after the splash"
states "$main" | grep -q SKIP_TASKBAR && fail "the main window has no taskbar entry"

xdotool windowfocus --sync "$main" 2>/dev/null || true; sleep 0.3
read -r mx my < <(window_origin "$main")
step "main window $(printf "0x%x" "$main") at $mx, $my"
# Managed: framed by the window manager, and placed away from the screen's top-left corner.
managed() { xwininfo -id "$1" | grep -q 'Override Redirect State: no' && xprop -id "$1" _NET_FRAME_EXTENTS | grep -q ' = '; }
managed "$main" || fail "the main window is not managed by the window manager"
[ "$mx" -gt 30 ] && [ "$my" -gt 30 ] || fail "the main window opened in the screen's corner, at $mx, $my"

# Edit, Delete Entry (Ctrl+D): a managed dialog with the window manager's frame, out of the
# taskbar, and clear of the main window's menu bar.
xdotool windowfocus --sync "$main" 2>/dev/null || true; sleep 0.3
xdotool key ctrl+d
dialog=$(find_window '^Delete Entry$') || fail "Ctrl+D opened no delete dialog"
sleep 0.5
import -window root "$out/1-delete.png"
managed "$dialog" || fail "the delete dialog is not managed by the window manager: $(xwininfo -id "$dialog" | grep Override)"
states "$dialog" | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the delete dialog has a taskbar entry: $(states "$dialog")"
read -r dx dy < <(window_origin "$dialog")
[ "$dy" -gt $((my + 20)) ] || fail "the delete dialog at $dx, $dy covers the main window's menu bar (main at $mx, $my)"
step "delete dialog at $dx, $dy: $(states "$dialog" | sed 's/.*= //')"
# Closed by the window manager's close control (Alt+F4 under both managers).
xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog" 2>/dev/null || true
sleep 0.3; xdotool key alt+F4
window_gone '^Delete Entry$' || fail "the delete dialog did not close from the window manager"
xdotool windowfocus --sync "$main" 2>/dev/null || true; sleep 0.3

# Help is the fourth menu title (x 100 to 121 in the menu bar, after File, Edit and View); its
# first item is About, its second the tutorial.
help_x=$((mx + 110)); help_y=$((my + 9))
xdotool mousemove "$help_x" "$help_y" click 1; sleep 0.5; xdotool key Down Return
about=$(find_window '^About Vantrel$') || fail "Help, About opened no About dialog"
sleep 0.5
import -window root "$out/2-about.png"
states "$about" | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "About has a taskbar entry: $(states "$about")"
step "About: $(states "$about" | sed 's/.*= //')"

xdotool windowfocus --sync "$main" 2>/dev/null || true; sleep 0.3
xdotool mousemove "$help_x" "$help_y" click 1; sleep 0.5; xdotool key Down Down Return
tutorial=$(find_window '^Online Tutorial') || fail "Help, Online Tutorial opened no tutorial window"
sleep 1
import -window root "$out/3-tutorial.png"
tutorial_states=$(states "$tutorial")
echo "$tutorial_states" | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the tutorial window has a taskbar entry: $tutorial_states"
echo "$tutorial_states" | grep -q _NET_WM_STATE_MAXIMIZED_VERT || fail "the tutorial window is not maximized: $tutorial_states"
step "tutorial: ${tutorial_states#*= }"

step "passed ($(( ($(date +%s%N) - start) / 1000000 )) ms)"
