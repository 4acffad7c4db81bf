#!/usr/bin/env bash
# What a real window manager makes of loopbeam's windows, read from outside
# with xprop, xwininfo and xdotool: the main window's empty title, its
# tool-window type, its absence from the task bar, its frame centred on the
# screen, a way back when minimised; Return on a focused button; the
# matching and web link windows reloaded at their design size and placed as
# new windows; the NEC-2 check's context menu and shortcut; under openbox, a
# tuning driven from the keyboard, its cut list saved and printed (to a PDF
# file: no printer is set up). Run under
# tools/on_xvfb.sh:  window_manager_test.sh openbox|icewm LOOPBEAM [placement]
# With "placement", only where the NEC-2 check opens on the screen of
# LOOPBEAM_SCREEN: beside the main window, or clear of its boxes.
set -uo pipefail
wm=$1 program=$2 mode=${3:-all}

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
source "$here/x_test_support.sh"
cleanup() {
  kill "${pid:-}" "${wm_pid:-}" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
report_more() {
  echo "--- $wm's log:"
  cat "$work/wm.log"
}
# check WHAT COMMAND...: COMMAND comes true within the deadline.
check() {
  local what=$1
  shift
  if wait_until "$@"; then echo "ok: $what"; else fail "under $wm: $what"; fi
}
property_has() { xprop -id "$1" "$2" | grep -q -- "$3"; }
property_lacks() { ! property_has "$@"; }
near() { [ $(( $1 > $2 ? $1 - $2 : $2 - $1 )) -le 3 ]; }
active_window_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
active_window_named() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
# Prints the id of a visible window with that name.
visible_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep .; }
none_named() { ! visible_named "$1" >/dev/null; }
activate() { within_deadline xdotool windowactivate --sync "$1" >/dev/null || fail "cannot activate window $1"; }

"$wm" >"$work/wm.log" 2>&1 &
wm_pid=$!
wm_ready() { kill -0 "$wm_pid" 2>/dev/null && xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
check "$wm runs" wm_ready
sleep 1  # a desktop's window manager has long finished starting

# No printer: Print must say so, and never reach a real one.
export CUPS_SERVER=$work/no-cups.sock
unset PRINTER LPDEST
start_program "$program"
main=$(wait_until window_of_size 713 447) || fail "the main window did not appear"
check "the main window is framed" property_has "$main" _NET_FRAME_EXTENTS ' = '

check "WM_NAME is empty" property_has "$main" WM_NAME 'WM_NAME(STRING) = $'
check "_NET_WM_NAME is empty" property_has "$main" _NET_WM_NAME '_NET_WM_NAME(UTF8_STRING) = $'
check "a tool window" property_has "$main" _NET_WM_WINDOW_TYPE '_NET_WM_WINDOW_TYPE_UTILITY'
check "out of the task bar" property_has "$main" _NET_WM_STATE '_NET_WM_STATE_SKIP_TASKBAR'

# The client's place and size as the X server has them.
geometry() {
  local info
  info=$(xwininfo -id "$1")
  X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info") Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info") HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}
has_size() { geometry "$1"; [ "$WIDTH x $HEIGHT" = "$2 x $3" ]; }
read -r screen_width screen_height < <(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')
# The frame (the client's place less the window manager's extents) centred
# on the screen.
centred() {
  local left right top bottom
  read -r left right top bottom < <(xprop -id "$main" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,)
  geometry "$main"
  local frame_x=$((X - left)) frame_y=$((Y - top)) frame_width=$((WIDTH + left + right))
  local frame_height=$((HEIGHT + top + bottom))
  placement="${frame_width}x$frame_height at $frame_x,$frame_y on ${screen_width}x$screen_height"
  near $((2 * frame_x + frame_width)) "$screen_width" && near $((2 * frame_y + frame_height)) "$screen_height"
}
check "frame centred on the screen" centred
echo "    (frame $placement)"

# frame_of WINDOW: its frame (the client less the window manager's extents) as FX FY FW FH.
frame_of() {
  local left right top bottom
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,)
  geometry "$1"
  FX=$((X - left)) FY=$((Y - top)) FW=$((WIDTH + left + right)) FH=$((HEIGHT + top + bottom))
}
# apart AX AY AW AH BX BY BW BH: the two rectangles share no pixel.
apart() { [ $(($1 + $3)) -le "$5" ] || [ $(($5 + $7)) -le "$1" ] || [ $(($2 + $4)) -le "$6" ] || [ $(($6 + $8)) -le "$2" ]; }
# click WINDOW X Y, in the window's pixels.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.15
}
if [ "$mode" = placement ]; then
  activate "$main"
  calculate_worked_design "$main"
  xdotool key ctrl+shift+n
  check_window=$(wait_until visible_named "^NEC-2 check") || fail "Ctrl+Shift+N did not open the check window"
  sleep 0.5  # the window manager's last move
  frame_of "$main"
  main_frame="$FX $FY $FW $FH"
  geometry "$main"
  main_x=$X main_y=$Y
  frame_of "$check_window"
  echo "    (main window's frame ${main_frame// /,}; the check window's $FX,$FY ${FW}x$FH)"
  # The boxes a user reads back: the results and their headings, and the frequency box (the layout's twips / 15).
  beside_results() { apart "$FX" "$FY" "$FW" "$FH" $((main_x + 168)) $((main_y + 288)) 169 130; }
  beside_frequency() { apart "$FX" "$FY" "$FW" "$FH" $((main_x + 520)) $((main_y + 40)) 137 41; }
  on_screen() { [ "$FX" -ge 0 ] && [ "$FY" -ge 0 ] && [ $((FX + FW)) -le "$screen_width" ] && [ $((FY + FH)) -le "$screen_height" ]; }
  check "the check window is on the screen" on_screen
  if [ $((screen_width - FW)) -ge 0 ] && [ "$screen_width" -ge 1920 ]; then
    # shellcheck disable=SC2086
    check "the check window opens beside the main window" apart "$FX" "$FY" "$FW" "$FH" $main_frame
  fi
  check "the check window leaves the result boxes in view" beside_results
  check "the check window leaves the frequency box in view" beside_frequency
  exit 0
fi
geometry "$main"
home_x=$X home_y=$Y
at_home() { geometry "$main"; [ "$X,$Y" = "$home_x,$home_y" ]; }

# Minimised: listed in the task bar until restored (openbox draws a minimise
# box; icewm obeys the window's wish for none and refuses).
xdotool windowminimize "$main"
if [ "$wm" = openbox ]; then
  check "minimised" property_has "$main" WM_STATE 'window state: Iconic'
  check "minimised, it is listed" property_lacks "$main" _NET_WM_STATE '_NET_WM_STATE_SKIP_TASKBAR'
  xdotool key alt+Tab
  check "Alt+Tab brings it back" property_has "$main" WM_STATE 'window state: Normal'
  check "back where it was" at_home  # openbox animates the way back: clicks wait for its end
else
  sleep 0.7  # time for icewm to act on the request it refuses
  check "it cannot be minimised" property_has "$main" WM_STATE 'window state: Normal'
fi
check "shown, it is out of the task bar again" property_has "$main" _NET_WM_STATE '_NET_WM_STATE_SKIP_TASKBAR'

# The way to the NEC-2 check: a right click on the grey background opens the
# context menu; its shortcut, before any design, says what to do first.
windows_shown() { xdotool search --onlyvisible --pid "$pid" | wc -l; }
windows_shown_are() { [ "$(windows_shown)" = "$1" ]; }
activate "$main"
before=$(windows_shown)
xdotool mousemove --window "$main" 700 250 click 3
check "a right click on the background opens the context menu" windows_shown_are $((before + 1))
xdotool key Escape
check "Escape closes the menu" windows_shown_are "$before"
activate "$main"
xdotool key ctrl+shift+n
check "Ctrl+Shift+N asks for a design first" active_window_named "Check with NEC-2..."
xdotool key Return
check "the focus comes back to the main window after the message" active_window_is "$main"
xdotool key ctrl+shift+n
check "the keyboard still reaches the main window after the message" active_window_named "Check with NEC-2..."
xdotool key Return
check "the message closes" active_window_is "$main"

# open_with X Y TITLE: presses a button of the main window (its centre, in
# pixels) and prints the id of the window it opens.
open_with() {
  activate "$main"
  xdotool mousemove --window "$main" "$1" "$2" click 1
  wait_until visible_named "$3"
}
# The reloaded window: its design size, and no position of its own.
check_reopened() {
  local window=$1 width=$2 height=$3
  check "$4 reopened at ${width}x$height" has_size "$window" "$width" "$height"
  check "$4 placed as a new window" property_lacks "$window" WM_NORMAL_HINTS 'specified location'
}

matching=$(open_with 432 212 "QUAD MATCHING") || fail "MATCHING INFO did not open the matching window"
activate "$matching"
xdotool key Tab Tab Return  # from its first control to CALCULATE FT/INCHES, pressed with Return
check "Return presses the focused button" active_window_named "CALCULATE FT/INCHES"
xdotool key Return      # closes the message
check "the message closes" active_window_is "$matching"
xdotool windowsize "$matching" 900 600
xdotool windowmove "$matching" 20 30
check "the matching window takes another size" has_size "$matching" 900 600
activate "$matching"
xdotool key alt+F4
check "Alt+F4 closes the matching window" none_named "QUAD MATCHING"
matching=$(open_with 432 212 "QUAD MATCHING") || fail "MATCHING INFO did not open the matching window again"
check_reopened "$matching" 678 395 "the matching window"

weblink=$(open_with 556 212 "Web Page Link") || fail "WEB LINK did not open the web link window"
xdotool windowmove "$weblink" 20 30
activate "$weblink"
xdotool key alt+F4
check "Alt+F4 closes the web link window" none_named "Web Page Link"
weblink=$(open_with 556 212 "Web Page Link") || fail "WEB LINK did not open the web link window again"
check_reopened "$weblink" 221 123 "the web link window"

[ "$wm" = openbox ] || exit 0

# A tuning from the keyboard: the design made with the mouse, then the check
# window's access keys and shortcuts only. Its title says what it runs.
activate "$main"
calculate_worked_design "$main"
xdotool key ctrl+shift+n
active_window_begins() { [[ "$(xdotool getactivewindow getwindowname 2>/dev/null)" == "$1"* ]]; }
check "Ctrl+Shift+N opens the check window" active_window_begins "NEC-2 check"
xdotool key alt+g Down               # the goal: front-to-back
# Tune waits for the check's results: pressed until the title says it tunes.
tuning() {
  xdotool key alt+u
  wait_seconds=1 wait_until active_window_named "NEC-2 check (tuning for front-to-back)"
}
check "Alt+U tunes for the goal chosen" tuning
check "the tuning ends" active_window_named "NEC-2 check"
xdotool key alt+l alt+w End          # the cut list, in metres
xdotool key ctrl+s
check "Ctrl+S asks where to save the cut list" active_window_named "Save cut list as CSV"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 10 "$work/cut-list.csv"
xdotool key Return
saved_as_tuned() { grep -q '^reflector,[0-9.]*,' "$work/cut-list.csv" && grep -q 'tuned for front-to-back' "$work/cut-list.csv"; }
check "the tuned design's cut list is saved, in metres" saved_as_tuned
check "the check window has the focus again" active_window_named "NEC-2 check"
xdotool key ctrl+p
check "Ctrl+P with no printer offers a PDF file" active_window_named "No printer is set up: save a PDF file"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 10 "$work/cut-list.pdf"
xdotool key Return
printed() { head -c 5 "$work/cut-list.pdf" 2>/dev/null | grep -q '%PDF-'; }
check "the cut list is printed to a PDF file" printed
check "the check window has the focus again" active_window_named "NEC-2 check"
