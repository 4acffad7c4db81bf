#!/usr/bin/env bash
# The real program on a real X server, driven from outside as a user would,
# with xdotool: type 14.2, lock, raise the gauge to 14, pick STANDARD HIGH
# GAIN, calculate, convert, open the matching window, choose RG-11,
# calculate. The result boxes are read back from screenshots: they must match,
# pixel for pixel, a reference drive of the same design made inside the
# program on the same server. Then EXIT with all three windows open must end
# the process. Run under tools/on_xvfb.sh.
set -uo pipefail
program=$1
reference_driver=$2

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
source "$here/x_test_support.sh"
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

"$reference_driver" "$work/reference" >"$work/reference.log" 2>&1 \
  || { cat "$work/reference.log"; fail "the reference drive did not run"; }

start_program "$program"

# Clicks at a point given in the window's own pixels.
click() {
  local wid=$1 x=$2 y=$3
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  xdotool mousemove $((X + x)) $((Y + y)) click 1  # no --sync: it waits forever when the pointer is already there
  sleep 0.15
}

# A window's rectangle as raw pixels, to compare with the reference.
pixels() { convert "$1" -crop "$2" +repage -depth 8 rgb:- | md5sum; }

# looks_like WINDOW REFERENCE REGION...: the window, captured now, shows the
# reference's pixels in each region (the program may still be drawing).
looks_like() {
  local window=$1 reference=$work/reference/$2.png region
  shift 2
  import -window "$window" "$work/shot.png" 2>/dev/null || return 1
  for region in "$@"; do
    [ "$(pixels "$work/shot.png" "$region")" = "$(pixels "$reference" "$region")" ] || return 1
  done
}

main=$(wait_until window_of_size 713 447) || fail "the main window did not appear"
within_deadline xdotool windowfocus --sync "$main" || fail "the main window did not take the focus"
calculate_worked_design "$main"
click "$main" 180 244               # CONVERT TO METRIC
wait_until looks_like "$main" main-metric 245x24+370+300 180x140+160+286 \
  || fail "the main window's range row or results differ from the reference"

click "$main" 432 212               # MATCHING INFO
matching=$(wait_until window_of_size 678 395) || fail "the matching window did not appear"
within_deadline xdotool windowfocus --sync "$matching" || fail "the matching window did not take the focus"
click "$matching" 40 158            # RG-6 in the list ...
xdotool key --clearmodifiers Down   # ... and the keyboard moves on to RG-11
click "$matching" 408 172           # CALCULATE FT/INCHES
wait_until looks_like "$matching" matching-feet 132x60+534+158 || fail "the matching section differs from the reference"

click "$main" 556 212               # WEB LINK
wait_until window_of_size 221 123 >/dev/null || fail "the web link window did not appear"
click "$main" 644 212               # EXIT
wait_until program_ended || fail "the program still runs after EXIT"
wait "$pid"; status=$?
[ "$status" = 0 ] || fail "EXIT ended the program with status $status"
pid=
echo "design driven from outside; results match; EXIT ended the program"
