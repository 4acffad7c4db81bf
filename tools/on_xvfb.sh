#!/bin/sh
# Runs a command on a private Xvfb server: the tests, the screenshots and the
# start-up benchmark.
#
# -noreset: by default Xvfb resets itself whenever its last client
# disconnects, and refuses connections while it does ("could not connect to
# display"). A program started just after another client ended (the reference
# drive before the program, xprop before the window manager) then fails at
# random, the more often the busier the machine. LOOPBEAM_SCREEN sets the
# screen (default 1024x768x24).
exec xvfb-run -a -s "-screen 0 ${LOOPBEAM_SCREEN:-1024x768x24} -noreset" "$@"
