#!/usr/bin/env bash
# Measures how lean the Linux program starts, on a virtual X display (Xvfb), over RUNS starts in
# the same run (median and range of each figure):
# - the time from the process's start to its splash window on the screen (mapped, as xdotool sees
#   it; the clock starts just before the program is started and stops at the first poll that finds
#   the window, polled without pause);
# - the resident memory once the main window is up and the program idle (VmRSS from
#   /proc/PID/status, and Pss from /proc/PID/smaps_rollup, which shares the shared libraries'
#   pages out among the processes that map them), read IDLE_SECONDS after the main window shows.
# It also says whether each program links the browser engine (its NEEDED entries).
# Give it any builds of the program, such as one of an older commit and one of this: their starts
# take turns, so that a busy machine slows them alike.
# Usage: bench/start-memory.sh [-n RUNS] [-i IDLE_SECONDS] PROGRAM...
#   e.g. bench/start-memory.sh -n 5 old/bin/vantrel build/bin/vantrel
# Needs Xvfb and xdotool.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
runs=5 idle=5
while getopts n:i: option; do
  case "$option" in
    n) runs=$OPTARG ;;
    i) idle=$OPTARG ;;
    *) echo "usage: $0 [-n RUNS] [-i IDLE_SECONDS] PROGRAM..." >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[ $# -gt 0 ] || { echo "usage: $0 [-n RUNS] [-i IDLE_SECONDS] PROGRAM..." >&2; exit 2; }
programs=()
for program in "$@"; do
  program="$(cd "$(dirname "$program")" && pwd)/$(basename "$program")"
  [ -x "$program" ] || { echo "start-memory: $program is not a program" >&2; exit 2; }
  programs+=("$program")
done

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

declare -A splash_ms rss_mb pss_mb
for run in $(seq "$runs"); do
  for p in "${!programs[@]}"; do
    start=$(date +%s%N)
    "${programs[$p]}" >/dev/null 2>&1 &
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
    ms=$(( (shown - start) / 1000000 ))
    rss=$(awk -v k="$rss" 'BEGIN { printf "%.1f", k / 1024 }')
    pss=$(awk -v k="$pss" 'BEGIN { printf "%.1f", k / 1024 }')
    splash_ms[$p]+="$ms " rss_mb[$p]+="$rss " pss_mb[$p]+="$pss "
    echo "run $run, ${programs[$p]}: splash after $ms ms; idle VmRSS $rss MB, Pss $pss MB"
    sleep 0.5
  done
done

for p in "${!programs[@]}"; do
  echo "${programs[$p]}:"
  if readelf -d "${programs[$p]}" | grep -q 'NEEDED.*Qt6WebEngine'; then
    echo "  links the browser engine: yes"
  else
    echo "  links the browser engine: no"
  fi
  echo "  start to splash on screen, median of $runs: $(printf '%s\n' ${splash_ms[$p]} | median) ms"
  echo "  idle VmRSS at the main window, median of $runs: $(printf '%s\n' ${rss_mb[$p]} | median) MB"
  echo "  idle Pss at the main window, median of $runs: $(printf '%s\n' ${pss_mb[$p]} | median) MB"
done
