#!/usr/bin/env bash
# Measures how lean the Linux program starts, on a virtual X display (Xvfb), over RUNS starts in
# the same run (median and range of each figure):
# - the time from the process's start to its splash window on the screen (mapped, as xdotool sees
#   it; the clock starts just before the program is started and stops at the first poll that finds
#   the window, polled without pause);
# - the resident memory once the main window is up and the program idle (VmRSS from
#   /proc/PID/status, and Pss from /proc/PID/smaps_rollup, which shares the shared libraries'
#   pages out among the processes that map them), read IDLE_SECONDS after the main window shows.
# It also says whether the program links the browser engine (its NEEDED entries).
# Give it any build of the program, so a build of an older commit can be measured the same way:
# Usage: bench/start-memory.sh PROGRAM [RUNS] [IDLE_SECONDS]
#   e.g. bench/start-memory.sh build/bin/vantrel 5
# Needs Xvfb and xdotool.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
runs="${2:-5}" idle="${3:-3}"
[ -x "$program" ] || { echo "start-memory: $program is not a program" >&2; exit 2; }

. "$here/../tests/support/virtual-display.sh"
start_virtual_display 1920x1200x24
app=""
cleanup() { [ -n "$app" ] && kill "$app" 2>/dev/null; kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

# The first visible window of the program whose class or title matches, polled without pause
# for up to 30 s; prints its id.
wait_for_window() {  # --class|--name REGEX
  local deadline=$((SECONDS + 30)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --pid "$app" "$1" "$2" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
  done
  return 1
}

median() { sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
                                             printf "%s (range %s to %s)", m, v[1], v[NR] }'; }

splash_ms=() rss_mb=() pss_mb=()
for run in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  app=$!
  # The splash is the program's first window; it has no title, so it is found by the class.
  wait_for_window --class '^vantrel$' >/dev/null || { echo "run $run: no splash within 30 s" >&2; exit 1; }
  shown=$(date +%s%N)
  # The splash hands over to the main window by itself.
  wait_for_window --name '^Vantrel 2\.0$' >/dev/null || { echo "run $run: no main window within 30 s" >&2; exit 1; }
  sleep "$idle"
  kill -0 "$app" 2>/dev/null || { echo "run $run: the program ended" >&2; exit 1; }
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app/status")
  pss=$(awk '/^Pss:/ { print $2 }' "/proc/$app/smaps_rollup")
  kill "$app"; wait "$app" 2>/dev/null || true; app=""
  splash_ms+=($(( (shown - start) / 1000000 )))
  rss_mb+=($(awk -v k="$rss" 'BEGIN { printf "%.1f", k / 1024 }'))
  pss_mb+=($(awk -v k="$pss" 'BEGIN { printf "%.1f", k / 1024 }'))
  echo "run $run: splash after ${splash_ms[-1]} ms; idle VmRSS ${rss_mb[-1]} MB, Pss ${pss_mb[-1]} MB"
  sleep 0.5
done

echo "program: $program"
if readelf -d "$program" | grep -q 'NEEDED.*Qt6WebEngine'; then
  echo "links the browser engine: yes"
else
  echo "links the browser engine: no"
fi
echo "median of $runs starts:"
echo "  start to splash on screen: $(printf '%s\n' "${splash_ms[@]}" | median) ms"
echo "  idle VmRSS at the main window: $(printf '%s\n' "${rss_mb[@]}" | median) MB"
echo "  idle Pss at the main window: $(printf '%s\n' "${pss_mb[@]}" | median) MB"
