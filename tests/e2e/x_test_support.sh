# What the end-to-end tests on a real X server share; sourced, after the
# script has made its scratch folder $work.
#
# Waits poll until a deadline long enough for a loaded 2-core machine
# (LOOPBEAM_WAIT_SECONDS, default 30) and give up at once when the program
# under test has ended. A failure prints why: the program's standard error,
# whether it still runs, and the windows on the display.

wait_seconds=${LOOPBEAM_WAIT_SECONDS:-30}
program_stderr=$work/program.stderr

# start_program PROGRAM: runs it in the background as $pid.
start_program() {
  "$1" 2>"$program_stderr" &
  pid=$!
}

program_ended() { [ -n "${pid:-}" ] && ! kill -0 "$pid" 2>/dev/null; }

# wait_until COMMAND...: succeeds as soon as COMMAND does.
wait_until() {
  local deadline=$((SECONDS + wait_seconds))
  until "$@"; do
    if program_ended || [ "$SECONDS" -ge "$deadline" ]; then return 1; fi
    sleep 0.1
  done
}

# xdotool's --sync options wait without end for a window that never comes.
within_deadline() { timeout "$wait_seconds" "$@"; }

# The visible window of the program with that size (Qt also maps helper
# windows); prints its id.
window_of_size() {
  local wid WIDTH HEIGHT
  for wid in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null)"
    if [ "${WIDTH:-}" = "$1" ] && [ "${HEIGHT:-}" = "$2" ]; then echo "$wid"; return 0; fi
  done
  return 1
}

report_display() {
  echo "--- the program's standard error:"
  cat "$program_stderr" 2>/dev/null
  if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null; then
    echo "--- the program (pid $pid) still runs; its windows:"
    local wid
    for wid in $(xdotool search --pid "$pid" 2>/dev/null); do
      xwininfo -id "$wid" | grep -E 'Window id|Absolute|Width|Height|Map State'
      xprop -id "$wid" WM_NAME _NET_WM_WINDOW_TYPE _NET_WM_STATE WM_STATE _NET_FRAME_EXTENTS
    done
  elif [ -n "${pid:-}" ]; then
    wait "$pid"
    echo "--- the program (pid $pid) has ended with status $?"
  fi
  echo "--- the window manager's check and the active window:"
  xprop -root _NET_SUPPORTING_WM_CHECK _NET_ACTIVE_WINDOW
  echo "--- every window on $DISPLAY:"
  xwininfo -root -tree
  if declare -F report_more >/dev/null; then report_more; fi  # what the test adds
}

fail() {
  echo "FAILED: $*"
  report_display
  exit 1
}

# calculate_worked_design WINDOW: the README's worked example in the main
# window, with the mouse: 14.2 MHz locked, AWG 14, STANDARD HIGH GAIN,
# calculated. The script defines click WINDOW X Y, in the window's pixels.
calculate_worked_design() {
  click "$1" 588 60                # the frequency box
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 "14.2"
  click "$1" 600 148               # SET AND LOCK FREQUENCY
  click "$1" 296 153               # the gauge's down arrow, twice: 14
  click "$1" 296 153
  click "$1" 20 64                 # STANDARD HIGH GAIN
  click "$1" 176 212               # CALCULATE/FEET & INCHES
}
