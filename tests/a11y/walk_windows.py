#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads Hourglint's windows over AT-SPI as a screen reader would, opening them by the
buttons' Press actions. Argument: the program's pid. Prints what it read and every fault;
exits 0 only without one."""

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

R = pyatspi
LISTS = {R.ROLE_LIST, R.ROLE_LIST_BOX, R.ROLE_TABLE, R.ROLE_TREE, R.ROLE_TREE_TABLE}
FIELDS = {R.ROLE_TEXT, R.ROLE_ENTRY, R.ROLE_SPIN_BUTTON, R.ROLE_SLIDER, R.ROLE_COMBO_BOX,
          R.ROLE_DATE_EDITOR, R.ROLE_PASSWORD_TEXT}
# What a list holds may be empty, as on screen (a title not seen yet).
CONTENT = {R.ROLE_TABLE_CELL, R.ROLE_TREE_ITEM, R.ROLE_LIST_ITEM}
HEADERS = {R.ROLE_COLUMN_HEADER, R.ROLE_TABLE_COLUMN_HEADER}
SPOKEN = r".+, \d+ hours \d+ minutes \d+ seconds"
faults = []


def fault(text):
    faults.append(text)
    print("FAULT: " + text, flush=True)


def wait_for(what, probe, seconds=90):
    """Reads the tree afresh until probe finds what it looks for."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().pending():
            GLib.MainContext.default().iteration(False)
        try:
            found = probe()
        except Exception:  # a window coming or going half-way through a read
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise RuntimeError("gave up waiting for " + what)


def walk(node):
    yield node
    if node.getRole() not in CONTENT:
        for child in node:
            if child is not None:
                yield from walk(child)


def find(root, roles, name=None):
    """The first node of one of roles whose name is name, or for which name(node) holds."""
    def fits(node):
        return name is None or (name(node) if callable(name) else node.name == name)
    return next((n for n in walk(root) if n.getRole() in roles and fits(n)), None)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(root, name):
    button = find(root, {R.ROLE_PUSH_BUTTON}, name)
    button.queryAction().doAction(actions(button).index("Press"))


def window(app, title):
    return next((f for f in app if f.name == title and f.getState().contains(R.STATE_SHOWING)),
                None)


def open_window(app, root, button, title):
    press(root, button)
    return wait_for(title, lambda: window(app, title))


def close_window(app, frame, button):
    title = frame.name
    press(frame, button)
    wait_for(title + " to close", lambda: window(app, title) is None)


def check(frame):
    """Every interactive node has a role and a name; every list and field is named."""
    nodes = list(walk(frame))
    for node in nodes:
        role, named = node.getRole(), bool((node.name or "").strip())
        interactive = node.getState().contains(R.STATE_FOCUSABLE) or bool(actions(node))
        label = "%s: %s '%s'" % (frame.name, node.getRoleName(), node.name)
        if role in CONTENT:
            continue
        if interactive and role in (R.ROLE_INVALID, R.ROLE_UNKNOWN):
            fault(label + " has no role")
        if (interactive or role in LISTS or role in FIELDS) and not named:
            fault(label + " has no name")
    print("%s: %d nodes read" % (frame.name, len(nodes)), flush=True)


def cells(node):
    table = node.queryTable()
    return [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
            for r in range(table.nRows)]


def listen(clock, field):
    """Name, description and text changes for 5 s. Text typed into a field half-way through
    shows that the listening works."""
    heard = {clock: 0, field: 0}

    def count(event):
        if event.source in heard:
            heard[event.source] += 1

    kinds = ["object:property-change:accessible-name",
             "object:property-change:accessible-description", "object:text-changed"]
    R.Registry.registerEventListener(count, *kinds)
    # Twice, in case the program learns of the new listener late.
    for at, text in ((2000, "42"), (4000, "43")):
        GLib.timeout_add(at, lambda text=text: field.queryEditableText().setTextContents(text)
                         and False)
    GLib.timeout_add(5000, lambda: R.Registry.stop() and False)
    before = clock.queryText().getText(0, -1)
    R.Registry.start()
    R.Registry.deregisterEventListener(count, *kinds)
    after = clock.queryText().getText(0, -1)
    print("clock '%s', then '%s': %d clock and %d field events in 5 s"
          % (before, after, heard[clock], heard[field]), flush=True)
    if before == after or heard[clock] > 1 or heard[field] == 0:
        fault("the clock must run and tell at most one change, the field one at least")


def run(pid):
    app = wait_for("Hourglint on the bus", lambda: next(
        (a for a in R.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid),
        None))
    main = wait_for("the main window", lambda: window(app, "Hourglint"))
    check(main)
    lists = [n.name for n in walk(main) if n.getRole() in LISTS]
    if lists != ["Running programs", "Alarms"]:
        fault("main window lists, in reading order: %s" % lists)
    clock = find(main, {R.ROLE_LABEL}, "Date and running time")
    for value in (clock.queryText().getText(0, -1), clock.description):
        if not re.fullmatch(SPOKEN, value):
            fault("clock value '%s'" % value)

    options = open_window(app, main, "Config", "Options")
    check(options)
    for roles, name in ((FIELDS, "Opacity of the window"), (FIELDS, "Share folder"),
                        ({R.ROLE_CHECK_BOX}, "Automatically run Hourglint when I log in")):
        if find(options, roles, name) is None:
            fault("Options has no '%s'" % name)
    listen(clock, find(options, FIELDS, "Seconds between saves into the database"))
    close_window(app, options, "Cancel")

    report = open_window(app, main, "Report", "Log Report")
    press(report, "Refresh")
    chart = wait_for("the chart", lambda: find(report, {R.ROLE_TABLE}, "Top 5 Processes"))
    listed = find(report, LISTS, "Report")
    bars = wait_for("the chart's rows", lambda: cells(chart))
    check(report)
    rows = {row[0]: row for row in cells(listed)}
    print("chart '%s' (%s): %s" % (chart.name, chart.description, bars), flush=True)
    if any(rows.get(bar[0]) != bar for bar in bars) or "firefox" not in chart.description:
        fault("chart %s, list %s" % (bars, rows))
    editor = open_window(app, report, "Set Group", "Edit Group")
    check(editor)
    headers = [n.name for n in walk(editor) if n.getRole() in HEADERS]
    if headers != ["Groups and their programs"]:
        fault("group tree headers %s" % headers)
    close_window(app, editor, "Cancel")

    history = open_window(app, main, "History", "History")
    days = wait_for("History's chart", lambda: find(
        history, {R.ROLE_TABLE}, lambda n: n.name.startswith("Time per day")
        and n.queryTable().nRows > 0))
    check(history)
    if not any("1:00:00" in row[1:] for row in cells(days)):
        fault("History's chart lacks firefox's 1:00:00 today")

    live = open_window(app, main, "LiveGraph", "Live Graph")
    graph = wait_for("a lane", lambda: find(live, {R.ROLE_TABLE},
                                            lambda n: n.queryTable().nRows > 0))
    check(live)
    lanes = cells(graph)
    print("live graph '%s' (%s): %s" % (graph.name, graph.description, lanes), flush=True)
    if not all(all(lane) for lane in lanes):
        fault("an empty live graph cell")

    about = open_window(app, main, "About", "About Hourglint")
    check(about)
    links = [n for n in walk(about) if n.getRole() == R.ROLE_LINK]
    if len(links) != 3 or not all("Press" in actions(link) for link in links):
        fault("About links: %s" % [(n.name, actions(n)) for n in links])
    close_window(app, about, "OK")


if __name__ == "__main__":
    try:
        run(int(sys.argv[1]))
    except Exception:
        fault(traceback.format_exc())
    print("%d faults" % len(faults), flush=True)
    sys.exit(1 if faults else 0)
