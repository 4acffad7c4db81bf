"""The program as a screen reader meets it: through AT-SPI, the accessibility
bus, on a real X server. A design is made by the bus's own means (text set,
buttons pressed, the gauge increased, the design type's option toggled), the
boxes are read back, and the NEC-2 check window is checked: a window, and no
control in any window without a name. The main window, its title empty, and
CALCULATE, its caption holding an "&", are read by their full names.

Run under dbus-run-session and tools/on_xvfb.sh: screen_reader_test.py LOOPBEAM
"""

import sys

import pyatspi

from atspi_session import (application, do, exit_program, fail, find, is_unnamed_control, make_worked_design, named,
                           open_check_window, start, walk, wait_for)

# From the worked example of the README: 14.2 MHz, 3 elements, AWG 14.
WORKED_BOXES = {
    "Directors, whole feet": "67",
    "Directors, inches": "7.826843",
    "Driven element, whole feet": "70",
    "Driven element, inches": "9.295807",
    "Spreader hole spacing, whole feet": "25",
    "Spreader hole spacing, inches": "0.3167725",
    "Lower edge of the estimated usable range, MHz": "13.9969",
}


def main():
    start(sys.argv[1])
    main_window = make_worked_design(WORKED_BOXES)
    check_window = open_check_window()
    if check_window.getRole() != pyatspi.ROLE_FRAME:
        fail(f"the check window is a {check_window.getRoleName()}, not a window (frame)")
    wait_for("the check showed no charts", lambda: named(pyatspi.ROLE_CHART, "SWR chart", check_window))

    def unnamed_controls():
        return [f"{node.getRoleName()} in {window.name!r}"
                for window in application() for node in walk(window) if is_unnamed_control(node)]

    unnamed = unnamed_controls()
    if unnamed:
        fail(f"controls without a name: {unnamed}")
    # The cut list's tab too: its table, its units and its buttons.
    do(find(pyatspi.ROLE_PAGE_TAB, "Cut list", check_window), "Press")
    wait_for("the cut list's tab did not show its table", lambda: named(pyatspi.ROLE_TABLE, "Cut list", check_window)
             and named(pyatspi.ROLE_TABLE, "Cut list", check_window).getState().contains(pyatspi.STATE_SHOWING))
    unnamed = unnamed_controls()
    if unnamed:
        fail(f"controls without a name on the cut list's tab: {unnamed}")

    exit_program(main_window)
    print("a design made and read through the accessibility bus; the check window is a window; every control named")


main()
