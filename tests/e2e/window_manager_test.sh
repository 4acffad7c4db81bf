#!/usr/bin/env bash
# What a real window manager makes of loopbeam's windows, read from outside
# with xprop, xwininfo and xdotool: the main window's empty title, its
# tool-window type, its absence from the task bar, its frame centred on the
# screen, a way back when minimised; Return on a focused button; the
# matching and web link windows reloaded at their design size and placed as
# new windows; the NEC-2 check's context menu and shortcut. Run under xvfb-run:  window_manager_test.sh openbox|icewm LOOPBEAM
set -uo pipefail
wm=$1 program=$2

work=$(mktemp -d)
cleanup() {
  kill "${pid:-}" "${wm_pid:-}" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
check() {  # check WHAT COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED under $wm: $what"; failures=$((failures + 1)); fi
}
has() { grep -q -- "$2" <<<"$1"; }
lacks() { ! grep -q -- "$2" <<<"$1"; }
near() { [ $(( $1 > $2 ? $1 - $2 : $2 - $1 )) -le 3 ]; }
appears() { timeout 10 xdotool search --sync --onlyvisible --name "$1" >/dev/null; }

"$wm" >"$work/wm.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
sleep 1  # a desktop's window manager has long finished starting

"$program" 2>"$work/stderr" &
pid=$!
main=$(timeout 10 xdotool search --sync --onlyvisible --pid "$pid" | head -1)
sleep 0.5

props=$(xprop -id "$main" WM_NAME _NET_WM_NAME _NET_WM_WINDOW_TYPE _NET_WM_STATE _NET_FRAME_EXTENTS)
check "WM_NAME is empty" has "$props" 'WM_NAME(STRING) = $'
check "_NET_WM_NAME is empty" has "$props" '_NET_WM_NAME(UTF8_STRING) = $'
check "a tool window" has "$props" '_NET_WM_WINDOW_TYPE_UTILITY'
check "out of the task bar" has "$props" '_NET_WM_STATE_SKIP_TASKBAR'

# The frame: the client's place less the window manager's extents.
read -r left right top bottom < <(sed -n 's/.*_NET_FRAME_EXTENTS(CARDINAL) = \(.*\)/\1/p' <<<"$props" | tr -d ,)
# The client's place and size as the X server has them.
geometry() {
  local info
  info=$(xwininfo -id "$1")
  X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info") Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info") HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}
geometry "$main"
read -r screen_width screen_height < <(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')
frame_x=$((X - left)) frame_y=$((Y - top)) frame_width=$((WIDTH + left + right)) frame_height=$((HEIGHT + top + bottom))
check "frame centred across ($frame_x + $frame_width/2 of $screen_width)" \
  near $((2 * frame_x + frame_width)) "$screen_width"
check "frame centred down ($frame_y + $frame_height/2 of $screen_height)" \
  near $((2 * frame_y + frame_height)) "$screen_height"

# Minimised: listed in the task bar until restored (openbox draws a minimise
# box; icewm obeys the window's wish for none and refuses).
xdotool windowminimize "$main"
sleep 0.7
state=$(xprop -id "$main" _NET_WM_STATE WM_STATE)
if [ "$wm" = openbox ]; then
  check "minimised, it is listed" lacks "$state" '_NET_WM_STATE_SKIP_TASKBAR'
  xdotool key alt+Tab
  sleep 0.7
  state=$(xprop -id "$main" _NET_WM_STATE WM_STATE)
  check "Alt+Tab brings it back" has "$state" 'window state: Normal'
else
  check "it cannot be minimised" has "$state" 'window state: Normal'
fi
check "shown, it is out of the task bar again" has "$state" '_NET_WM_STATE_SKIP_TASKBAR'

# The way to the NEC-2 check: a right click on the grey background opens the
# context menu; its shortcut, before any design, says what to do first.
windows_shown() { xdotool search --onlyvisible --pid "$pid" | wc -l; }
xdotool windowactivate --sync "$main"
before=$(windows_shown)
xdotool mousemove --window "$main" 700 250 click 3
sleep 0.5
check "a right click on the background opens the context menu" test "$(windows_shown)" = $((before + 1))
xdotool key Escape
sleep 0.3
check "Escape closes the menu" test "$(windows_shown)" = "$before"
sleep 0.3
xdotool windowactivate --sync "$main"
xdotool key ctrl+shift+n
check "Ctrl+Shift+N asks for a design first" appears "Check with NEC-2..."
xdotool key Return
sleep 0.5
xdotool key ctrl+shift+n  # the main window has the focus back: the keyboard goes on working
check "the keyboard still reaches the main window after the message" appears "Check with NEC-2..."
xdotool key Return
sleep 0.3

# Opens a window with a button of the main window (its centre, in pixels).
open_with() {
  xdotool windowactivate --sync "$main" 2>/dev/null
  xdotool mousemove --window "$main" "$1" "$2" click 1
  timeout 10 xdotool search --sync --onlyvisible --name "$3" | head -1
}
# The reloaded window: its design size, and no position of its own.
check_reopened() {
  local window=$1 width=$2 height=$3
  geometry "$window"
  check "$4 reopened at ${width}x$height (${WIDTH}x$HEIGHT)" test "$WIDTH x $HEIGHT" = "$width x $height"
  check "$4 placed as a new window" lacks "$(xprop -id "$window" WM_NORMAL_HINTS)" 'specified location'
}

matching=$(open_with 432 212 "QUAD MATCHING")
xdotool windowactivate --sync "$matching"
xdotool key Tab Tab Return  # from its first control to CALCULATE FT/INCHES, pressed with Return
check "Return presses the focused button" appears "CALCULATE FT/INCHES"
xdotool key Return      # closes the message
sleep 0.3
xdotool windowsize "$matching" 900 600
xdotool windowmove "$matching" 20 30
sleep 0.3
xdotool windowactivate --sync "$matching"
xdotool key alt+F4
sleep 0.5
check_reopened "$(open_with 432 212 "QUAD MATCHING")" 678 395 "the matching window"

weblink=$(open_with 556 212 "Web Page Link")
xdotool windowmove "$weblink" 20 30
xdotool windowactivate --sync "$weblink"
xdotool key alt+F4
sleep 0.5
check_reopened "$(open_with 556 212 "Web Page Link")" 221 123 "the web link window"

[ "$failures" = 0 ] || { echo "window manager log:"; cat "$work/wm.log"; exit 1; }
