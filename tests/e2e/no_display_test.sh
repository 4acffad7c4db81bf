#!/usr/bin/env bash
# Without a display the program says it needs a graphical desktop and exits
# with status 2: with no display named, and with one that does not answer.
set -uo pipefail
program=$1
check() {
  local output status
  output=$("$@" 2>&1); status=$?
  [ "$status" = 2 ] || { echo "FAILED: status $status for: $*"; echo "$output"; exit 1; }
  echo "$output" | grep -q "needs a graphical desktop" || { echo "FAILED: no clear message: $output"; exit 1; }
}
check env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
check env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 "$program"
echo "a clear message and status 2 both times"
