#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads Hourglint's windows over AT-SPI as a screen reader would, and opens them the way it
would: by the buttons' Press actions. Argument: the program's process id. Prints what it
checked and every fault; exits 0 only when there was none."""

import re
import sys
import time
import traceback

try:
    import pyatspi
    from gi.repository import GLib
except ImportError as missing:  # a part missing fails the test, it never skips it
    print("FAULT: %s: install python3-pyatspi (scripts/setup.sh does)" % missing)
    sys.exit(1)

DEADLINE = 90  # seconds for any one window or state to appear on a busy machine
LISTEN = 5  # seconds of listening to the clock

LISTS = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
         pyatspi.ROLE_TREE_TABLE}
FIELDS = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
          pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_DATE_EDITOR, pyatspi.ROLE_PASSWORD_TEXT}
# What a list holds may be empty, as on screen (a title not seen yet).
CONTENT = {pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TREE_ITEM, pyatspi.ROLE_LIST_ITEM}
HEADERS = {pyatspi.ROLE_COLUMN_HEADER, pyatspi.ROLE_TABLE_COLUMN_HEADER}
SPOKEN = r".+, \d+ hours \d+ minutes \d+ seconds"

faults = []


def fault(text):
    faults.append(text)
    print("FAULT: " + text, flush=True)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe):
    """Polls probe (which reads the tree afresh) until it returns something."""
    end = time.monotonic() + DEADLINE
    while time.monotonic() < end:
        pump()
        try:
            found = probe()
        except Exception:  # a window going or coming half-way through a read
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise RuntimeError("gave up waiting for " + what)


def children(node):
    try:
        return [c for c in node if c is not None]
    except Exception:
        return []


def walk(node):
    yield node
    if node.getRole() in CONTENT:
        return
    for child in children(node):
        yield from walk(child)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            action.doAction(i)
            return
    fault("'%s' has no Press action" % node.name)


def find(root, role, name=None):
    for node in walk(root):
        if node.getRole() == role and (name is None or node.name == name):
            return node
    return None


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app.get_process_id() == pid:
            return app
    return None


def window(app, title):
    for frame in children(app):
        if frame.name == title and frame.getState().contains(pyatspi.STATE_SHOWING):
            return frame
    return None


def check_window(frame, where):
    """Every interactive node has a role and a name; every list and field is named."""
    count = 0
    for node in walk(frame):
        count += 1
        role = node.getRole()
        if role in CONTENT:
            continue
        states = node.getState()
        interactive = states.contains(pyatspi.STATE_FOCUSABLE) or bool(actions(node))
        named = bool((node.name or "").strip())
        label = "%s: %s '%s'" % (where, node.getRoleName(), node.name)
        if interactive and role in (pyatspi.ROLE_INVALID, pyatspi.ROLE_UNKNOWN):
            fault(label + " has no role")
        if interactive and not named:
            fault(label + " is interactive but has no name")
        if (role in LISTS or role in FIELDS) and not named:
            fault(label + " is a list or field without a name")
    print("%s: %d nodes read" % (where, count), flush=True)


def table_rows(node):
    table = node.queryTable()
    return [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
            for r in range(table.nRows)]


def listen_to_clock(app, clock, field):
    """Name, description and text changes for LISTEN seconds. A text typed into an Options
    field half-way through shows that the listening works."""
    seen = {"clock": 0, "field": 0}

    def heard(event):
        if event.source == clock:
            seen["clock"] += 1
        elif event.source == field:
            seen["field"] += 1

    kinds = ["object:property-change:accessible-name",
             "object:property-change:accessible-description", "object:text-changed"]
    pyatspi.Registry.registerEventListener(heard, *kinds)

    def type_into_field():
        field.queryEditableText().setTextContents("42")
        return False

    def stop():
        pyatspi.Registry.stop()
        return False

    before = clock.queryText().getText(0, -1)
    GLib.timeout_add(LISTEN * 500, type_into_field)
    GLib.timeout_add(LISTEN * 1000, stop)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(heard, *kinds)
    after = clock.queryText().getText(0, -1)
    print("clock: '%s' then '%s'; %d clock events, %d field events in %d s"
          % (before, after, seen["clock"], seen["field"], LISTEN), flush=True)
    if before == after:
        fault("the clock's value did not change while listening")
    if seen["clock"] > 1:
        fault("the clock told %d changes in %d s" % (seen["clock"], LISTEN))
    if seen["field"] == 0:
        fault("no event at all from the field typed into: the listening does not work")


def main_window(app):
    main = wait_for("the main window", lambda: window(app, "Hourglint"))
    check_window(main, "main window")
    lists = [n.name for n in walk(main) if n.getRole() in LISTS]
    if lists[:2] != ["Running programs", "Alarms"]:
        fault("main window lists, in reading order: %s" % lists)
    clock = find(main, pyatspi.ROLE_LABEL, "Date and running time")
    if clock is None:
        fault("no clock text named 'Date and running time'")
        return main, None
    # Read apart, the two may be a second apart.
    for way, value in (("text", clock.queryText().getText(0, -1)),
                       ("description", clock.description)):
        if not re.fullmatch(SPOKEN, value):
            fault("clock %s '%s'" % (way, value))
    return main, clock


def options(app, main, clock):
    press(find(main, pyatspi.ROLE_PUSH_BUTTON, "Config"))
    dialog = wait_for("Options", lambda: window(app, "Options"))
    check_window(dialog, "Options")
    names = {n.name for n in walk(dialog) if n.getRole() in FIELDS}
    for wanted in ("Seconds between saves into the database", "Opacity of the window",
                   "Minutes of running time between alarms", "Share folder"):
        if wanted not in names:
            fault("Options has no field named '%s' (fields: %s)" % (wanted, sorted(names)))
    if find(dialog, pyatspi.ROLE_CHECK_BOX,
            "Automatically run Hourglint when I log in") is None:
        fault("Options lacks 'Automatically run Hourglint when I log in'")
    field = find(dialog, pyatspi.ROLE_TEXT, "Seconds between saves into the database")
    if clock is not None and field is not None:
        listen_to_clock(app, clock, field)
    press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Cancel"))
    wait_for("Options to close", lambda: window(app, "Options") is None)


def report(app, main):
    press(find(main, pyatspi.ROLE_PUSH_BUTTON, "Report"))
    frame = wait_for("the report", lambda: window(app, "Log Report"))
    press(find(frame, pyatspi.ROLE_PUSH_BUTTON, "Refresh"))

    def filled():
        listed = next((n for n in walk(frame) if n.getRole() in LISTS and n.name == "Report"),
                      None)
        chart = find(frame, pyatspi.ROLE_TABLE, "Top 5 Processes")
        if listed is None or chart is None:
            return None
        rows, bars = table_rows(listed), table_rows(chart)
        return (rows, bars, chart) if rows and bars else None

    rows, bars, chart = wait_for("the report's rows", filled)
    check_window(frame, "report")
    by_name = {row[0]: row for row in rows}
    for bar in bars:
        if by_name.get(bar[0]) != bar:
            fault("chart row %s, list row %s" % (bar, by_name.get(bar[0])))
    print("report: %d list rows, chart rows %s" % (len(rows), bars), flush=True)
    if "firefox" not in chart.description:
        fault("chart description '%s' names no program" % chart.description)

    press(find(frame, pyatspi.ROLE_PUSH_BUTTON, "Set Group"))
    editor = wait_for("the group editor", lambda: window(app, "Edit Group"))
    check_window(editor, "group editor")
    headers = [n.name for n in walk(editor) if n.getRole() in HEADERS]
    if headers != ["Groups and their programs"]:
        fault("group tree headers %s" % headers)
    press(find(editor, pyatspi.ROLE_PUSH_BUTTON, "Cancel"))
    wait_for("the group editor to close", lambda: window(app, "Edit Group") is None)


def history(app, main):
    press(find(main, pyatspi.ROLE_PUSH_BUTTON, "History"))
    frame = wait_for("History", lambda: window(app, "History"))

    def filled():
        chart = next((n for n in walk(frame) if n.getRole() == pyatspi.ROLE_TABLE
                      and n.name.startswith("Time per day")), None)
        return chart if chart is not None and chart.queryTable().nRows > 0 else None

    chart = wait_for("History's chart", filled)
    check_window(frame, "History")
    cells = table_rows(chart)
    if not any(any(c == "1:00:00" for c in row[1:]) for row in cells):
        fault("History's chart table lacks today's 1:00:00 of firefox: %s" % cells[-2:])


def live_graph(app, main):
    press(find(main, pyatspi.ROLE_PUSH_BUTTON, "LiveGraph"))
    frame = wait_for("the live graph", lambda: window(app, "Live Graph"))
    graph = wait_for("a lane in the live graph", lambda: next(
        (n for n in walk(frame) if n.getRole() == pyatspi.ROLE_TABLE
         and n.queryTable().nRows > 0), None))
    check_window(frame, "live graph")
    lanes = table_rows(graph)
    print("live graph '%s' (%s): %s" % (graph.name, graph.description, lanes), flush=True)
    if not all(all(cell for cell in lane) for lane in lanes):
        fault("a live graph cell is empty: %s" % lanes)


def about(app, main):
    press(find(main, pyatspi.ROLE_PUSH_BUTTON, "About"))
    dialog = wait_for("About", lambda: window(app, "About Hourglint"))
    check_window(dialog, "About")
    links = [n for n in walk(dialog) if n.getRole() == pyatspi.ROLE_LINK]
    if len(links) != 3 or not all("Press" in actions(link) for link in links):
        fault("About links: %s" % [(n.name, actions(n)) for n in links])
    press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    wait_for("About to close", lambda: window(app, "About Hourglint") is None)


def run(pid):
    app = wait_for("Hourglint on the accessibility bus", lambda: application(pid))
    main, clock = main_window(app)
    options(app, main, clock)
    report(app, main)
    history(app, main)
    live_graph(app, main)
    about(app, main)


if __name__ == "__main__":
    try:
        run(int(sys.argv[1]))
    except Exception:
        fault(traceback.format_exc())
    print("%d faults" % len(faults), flush=True)
    sys.exit(1 if faults else 0)
