#!/usr/bin/env bash
# The real program on a real X server, driven from outside as a user would,
# with xdotool: type 14.2, lock, raise the gauge to 14, pick STANDARD HIGH
# GAIN, calculate, convert, open the matching window, choose RG-11,
# calculate. The result boxes are read back from screenshots: they must match,
# pixel for pixel, a reference drive of the same design made inside the
# program on the same server. Then EXIT with all three windows open must end
# the process. Run under xvfb-run.
set -uo pipefail
program=$1
reference_driver=$2

work=$(mktemp -d)
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

"$reference_driver" "$work/reference" >/dev/null 2>&1 || fail "the reference drive did not run"

"$program" 2>"$work/stderr" &
pid=$!

# The visible window of a given size (Qt also maps helper windows).
window_of_size() {
  local wid
  for _ in $(seq 100); do
    for wid in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$wid")"
      if [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ]; then echo "$wid"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}

# Clicks at a point given in the window's own pixels.
click() {
  local wid=$1 x=$2 y=$3
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  xdotool mousemove $((X + x)) $((Y + y)) click 1  # no --sync: it waits forever when the pointer is already there
  sleep 0.15
}

# A window's rectangle as raw pixels, to compare with the reference.
pixels() { convert "$1" -crop "$2" +repage -depth 8 rgb:- | md5sum; }

main=$(window_of_size 713 447) || fail "the main window did not appear"
xdotool windowfocus --sync "$main"
click "$main" 588 60                # the frequency box
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 30 "14.2"
click "$main" 600 148               # SET AND LOCK FREQUENCY
click "$main" 296 153               # the gauge's down arrow, twice: 14
click "$main" 296 153
click "$main" 20 64                 # STANDARD HIGH GAIN
click "$main" 176 212               # CALCULATE/FEET & INCHES
click "$main" 180 244               # CONVERT TO METRIC
import -window "$main" "$work/main.png"
for region in 245x24+370+300 180x140+160+286; do  # the range row; the results
  [ "$(pixels "$work/main.png" $region)" = "$(pixels "$work/reference/main-metric.png" $region)" ] \
    || fail "main window region $region differs from the reference"
done

click "$main" 432 212               # MATCHING INFO
matching=$(window_of_size 678 395) || fail "the matching window did not appear"
xdotool windowfocus --sync "$matching"
click "$matching" 40 158            # RG-6 in the list ...
xdotool key --clearmodifiers Down   # ... and the keyboard moves on to RG-11
click "$matching" 408 172           # CALCULATE FT/INCHES
import -window "$matching" "$work/matching.png"
[ "$(pixels "$work/matching.png" 132x60+534+158)" = "$(pixels "$work/reference/matching-feet.png" 132x60+534+158)" ] \
  || fail "the matching section differs from the reference"

click "$main" 556 212               # WEB LINK
window_of_size 221 123 >/dev/null || fail "the web link window did not appear"
click "$main" 644 212               # EXIT
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then fail "the program still runs after EXIT"; fi
wait "$pid"; status=$?
pid=
[ "$status" = 0 ] || fail "EXIT ended the program with status $status: $(cat "$work/stderr")"
echo "design driven from outside; results match; EXIT ended the program"
