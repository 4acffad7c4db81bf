"""What the tests through AT-SPI share: the program started under test, the
walks and waits over the accessibility bus, and a failure that says why.

start(PROGRAM) first; then the helpers act on that program.
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi

WAIT_SECONDS = float(os.environ.get("LOOPBEAM_WAIT_SECONDS", "30"))

# Roles a user operates or reads; each needs a name a screen reader speaks.
CONTROL_ROLES = {
    pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_ENTRY, pyatspi.ROLE_LIST,
    pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST,
    pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_TREE, pyatspi.ROLE_CHART,
}

program_stderr = tempfile.TemporaryFile(mode="w+")
program = None


def start(path):
    global program
    program = subprocess.Popen(
        [path], stderr=program_stderr, env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    )


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == program.pid:
            return app
    return None


def report():
    program_stderr.seek(0)
    print("--- the program's standard error:\n" + program_stderr.read())
    status = program.poll()
    print("--- the program " + ("still runs" if status is None else f"has ended with status {status}"))
    app = application()
    if app is not None:
        print("--- what the accessibility bus shows of it:")
        for node in walk(app):
            depth, parent = 0, node.parent
            while parent is not None and parent != app:
                depth, parent = depth + 1, parent.parent
            print(f"{'  ' * depth}{node.getRoleName()} {node.name!r}")
    print("--- every window on the display:")
    print(subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout)


def fail(why):
    print(f"FAILED: {why}")
    report()
    program.kill()
    program.wait()
    sys.exit(1)


def wait_for(what, found):
    """What found() returns, once it is something; gives up at the deadline or when the program has ended."""
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline and program.poll() is None:
        try:
            result = found()
        except Exception:  # the bus may not have the program's objects yet
            result = None
        if result:
            return result
        time.sleep(0.1)
    fail(what)


def named(role, name, within=None):
    for node in walk(within or application()):
        if node.getRole() == role and node.name == name:
            return node
    return None


def find(role, name, within=None):
    return wait_for(f"no {pyatspi.Atspi.role_get_name(role)} named {name!r}", lambda: named(role, name, within))


def do(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        fail(f"{node.name!r} offers {names}, not {action}")
    actions.doAction(names.index(action))


def text_of(node):
    return node.queryText().getText(0, -1)


def is_unnamed_control(node):
    # A screen reader meets only what is shown: a hidden label, a closed list's popup.
    state = node.getState()
    return (not node.name and state.contains(pyatspi.STATE_SHOWING)
            and (node.getRole() in CONTROL_ROLES or state.contains(pyatspi.STATE_FOCUSABLE)))


def focus_main_window():
    """Gives the X focus to the main window, as clicking it would."""
    listed = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.pid)],
                            capture_output=True, text=True)
    for wid in listed.stdout.split():
        geometry = subprocess.run(["xdotool", "getwindowgeometry", wid], capture_output=True, text=True)
        if "713x447" in geometry.stdout:
            subprocess.run(["timeout", str(WAIT_SECONDS), "xdotool", "windowfocus", "--sync", wid])


def make_worked_design(worked_boxes):
    """The 14.2 MHz, 3-element AWG 14 design, made by the bus's own means; the main window."""
    wait_for("the program did not appear on the accessibility bus", application)
    main_window = wait_for("no main window", lambda: next(
        (w for w in application() if named(pyatspi.ROLE_RADIO_BUTTON, "STANDARD HIGH GAIN", w)), None))
    # Its title bar is empty; a screen reader still names it.
    if main_window.getRole() != pyatspi.ROLE_FRAME or main_window.name != "loopbeam: quad antenna design":
        fail(f"the main window is a {main_window.getRoleName()} named {main_window.name!r}")
    standard, _, _ = [find(pyatspi.ROLE_RADIO_BUTTON, name, main_window)
                      for name in ("STANDARD HIGH GAIN", "SPECIAL 4 OR 8 ELEMENT", "DOUBLE REFLECTOR")]

    find(pyatspi.ROLE_TEXT, "Centre frequency in MHz", main_window).queryEditableText().setTextContents("14.2")
    do(find(pyatspi.ROLE_PUSH_BUTTON, "SET AND LOCK FREQUENCY", main_window), "Press")
    lower_edge = find(pyatspi.ROLE_TEXT, "Lower edge of the estimated usable range, MHz", main_window)
    wait_for("locking 14.2 did not fill the range", lambda: text_of(lower_edge) == "13.9969")
    gauge = find(pyatspi.ROLE_SCROLL_BAR, "Wire gauge, AWG", main_window)
    for _ in range(2):  # 10, 12, 14
        do(gauge, "Increase")
    wait_for("the gauge did not reach 14", lambda: gauge.queryValue().currentValue == 14)

    do(standard, "Toggle")
    wait_for("Toggle did not select STANDARD HIGH GAIN", lambda: standard.getState().contains(pyatspi.STATE_CHECKED))
    # Its caption's "&" is no access key to a screen reader: the name is the caption as written.
    do(find(pyatspi.ROLE_PUSH_BUTTON, "CALCULATE/FEET & INCHES", main_window), "Press")
    boxes = {name: find(pyatspi.ROLE_TEXT, name, main_window) for name in worked_boxes}
    wait_for("CALCULATE did not fill the boxes as the worked example",
             lambda: all(text_of(box) == worked_boxes[name] for name, box in boxes.items()))
    return main_window


def open_check_window():
    """Ctrl+Shift+N, as a keyboard user presses it; the check window once its check has charts."""
    focus_main_window()
    subprocess.run(["xdotool", "key", "ctrl+shift+n"])  # the check window's shortcut, as a keyboard user presses it
    check_window = wait_for("Ctrl+Shift+N opened no check window",
                            lambda: next((w for w in application() if w.name.startswith("NEC-2 check")), None))
    return check_window


def exit_program(main_window):
    do(find(pyatspi.ROLE_PUSH_BUTTON, "EXIT", main_window), "Press")
    try:
        status = program.wait(timeout=WAIT_SECONDS)
    except subprocess.TimeoutExpired:
        fail("the program still runs after EXIT")
    if status != 0:
        fail(f"EXIT ended the program with status {status}")
