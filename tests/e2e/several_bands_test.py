"""The several bands' window through the bus a screen reader uses: opened with
its shortcut from the main window, 20 and 15 m ticked and checked with real
nec2c; each band's tab and its verdict, and the one cut list, grouped by band,
with each loop's spreader arm and the arms the largest loops need; every
control shown has a name a screen reader speaks.

Run under dbus-run-session and tools/on_xvfb.sh: several_bands_test.py LOOPBEAM
"""

import re
import subprocess
import sys

import pyatspi

from atspi_session import (application, do, exit_program, fail, find, focus_main_window, is_unnamed_control, named,
                           start, walk, wait_for)

LENGTH = r"\d+ ft \d+( \d+/\d+)? in \(\d+\.\d{3} m\)"


def main():
    start(sys.argv[1])
    wait_for("the program did not appear on the accessibility bus", application)
    main_window = wait_for("no main window", lambda: next(
        (w for w in application() if named(pyatspi.ROLE_RADIO_BUTTON, "STANDARD HIGH GAIN", w)), None))
    focus_main_window()
    subprocess.run(["xdotool", "key", "ctrl+shift+b"])  # the context menu's "Several bands..."
    window = wait_for("Ctrl+Shift+B opened no several bands' window",
                      lambda: next((w for w in application() if w.name.startswith("Several bands")), None))
    for band in ("20 m band, centre 14.2 MHz", "15 m band, centre 21.2 MHz"):
        do(find(pyatspi.ROLE_CHECK_BOX, band, window), "Toggle")
    do(find(pyatspi.ROLE_PUSH_BUTTON, "Check", window), "Press")

    tabs = wait_for("the check showed no band tabs", lambda: [
        node.name for node in walk(window) if node.getRole() == pyatspi.ROLE_PAGE_TAB
        and node.name.endswith("MHz")] or None)
    if tabs != ["14.2 MHz", "21.2 MHz"]:
        fail(f"the band tabs are {tabs}")
    do(find(pyatspi.ROLE_PAGE_TAB, "21.2 MHz", window), "Press")
    page = find(pyatspi.ROLE_FILLER, "Results at 21.2 MHz", window)
    verdict = wait_for("the 21.2 MHz tab shows no verdict", lambda: next(
        (node.name for node in walk(page) if node.getRole() == pyatspi.ROLE_LABEL
         and node.name.startswith("Verdict: ")), None))
    heading = next(node.name for node in walk(page) if node.getRole() == pyatspi.ROLE_LABEL
                   and node.name.startswith("21.2 MHz, fed on its own driven loop"))
    if "closed loops" not in heading:
        fail(f"the band's heading does not say what the other driven loops are: {heading!r}")

    do(find(pyatspi.ROLE_PAGE_TAB, "Cut list", window), "Press")
    table = find(pyatspi.ROLE_TABLE, "Cut list", window).queryTable()
    header = [table.getColumnDescription(c) for c in range(table.nColumns)]
    rows = [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)] for r in range(table.nRows)]
    band, loop, arm = header.index("Band"), header.index("Loop"), header.index("Spreader arm")
    # The band is shown on its reflector's row; a screen reader names it on each of its rows.
    if [(row[band], row[loop]) for row in rows] != [("14.2 MHz", "reflector"), ("14.2 MHz", "driven"),
                                                    ("21.2 MHz", "reflector"), ("21.2 MHz", "driven")]:
        fail(f"the cut list is not grouped by band: {rows}")
    if not all(re.fullmatch(LENGTH, row[arm]) for row in rows):
        fail(f"a loop has no spreader arm's length: {[row[arm] for row in rows]}")
    arms = wait_for("the cut list names no spreader arms", lambda: next(
        (node.name for node in walk(window) if node.getRole() == pyatspi.ROLE_LABEL
         and node.name.startswith("Spreader arms at")), None))
    if rows[0][arm] not in arms:
        fail(f"the arms named are not the 14.2 MHz reflector's {rows[0][arm]}: {arms!r}")
    unnamed = [f"{node.getRoleName()} in {node.parent.name!r}" for node in walk(window) if is_unnamed_control(node)]
    if unnamed:
        fail(f"controls a screen reader cannot name: {unnamed}")
    exit_program(main_window)
    print(f"Checked 14.2 and 21.2 MHz: {verdict}; the longest arm {rows[0][arm]}")


main()
