# Source this file for start_virtual_display.

# Starts Xvfb with the screen geometry given (such as 1280x1024x24) on a display number Xvfb picks
# itself, so that runs started at the same moment never share a display, and returns once the
# server accepts connections. Exports DISPLAY; sets xvfb_pid.
start_virtual_display() {
  local number_file number=""
  number_file=$(mktemp)
  # Xvfb writes the display's number to descriptor 3 when it is ready.
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do
    number=$(tr -dc '0-9' <"$number_file")
    [ -n "$number" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  rm -f "$number_file"
  [ -n "$number" ] || { echo "start_virtual_display: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$number"
}
