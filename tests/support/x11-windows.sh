# Shell functions for scripts that drive the programs' windows with xdotool; source this file.

# Prints the id of the first visible window whose title matches TITLE_REGEX (or, with --class,
# whose class matches), polling for up to 10 s; ID_TO_LEAVE_OUT is passed over (a message box may
# share the main window's title). Fails when none shows.
#   find_window [--class] REGEX [ID_TO_LEAVE_OUT]
find_window() {
  local kind=--name
  if [ "$1" = --class ]; then kind=--class; shift; fi
  local id
  for _ in $(seq 1 100); do
    for id in $(xdotool search --onlyvisible "$kind" "$1" 2>/dev/null || true); do
      [ "$id" != "${2:-}" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# Succeeds once no visible window's title matches TITLE_REGEX, polling for up to 5 s.
window_gone() {
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# The screen position of a window's client area: "X Y".
window_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'
}
