#!/usr/bin/python3
"""Reads the running game's window through the AT-SPI bus, as a screen reader does, and prints
what it finds: the window, a button, a grid cell before and after typing, and the current clue.
Run through scripts/atspi-look.sh, which starts the bus, a display and the game."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

heard = []


def on_event(event):
    """What a screen reader is told: focus moves and changed names."""
    if event.type.startswith("object:state-changed:focused") and not event.detail1:
        return
    heard.append(f"{event.type}: {event.source.getRoleName()} {event.source.name!r}")


def pump(seconds):
    end = time.time() + seconds
    while time.time() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.05)


def say_heard(step):
    pump(0.5)
    print(f"  heard after {step}:")
    for line in heard:
        print("    " + line)
    heard.clear()


def find(node, test, depth=0):
    if node is None or depth > 30:
        return None
    try:
        if test(node):
            return node
        for child in node:
            found = find(child, test, depth + 1)
            if found is not None:
                return found
    except Exception:
        pass
    return None


def describe(node):
    actions = []
    try:
        action = node.queryAction()
        actions = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        pass
    states = [pyatspi.stateToString(s) for s in node.getState().getStates()]
    return (f"role={node.getRoleName()!r} name={node.name!r} description={node.description!r}"
            f" actions={actions} states={states}")


def wait_for(test, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        found = find(desktop, test)
        if found is not None:
            return found
        time.sleep(0.5)
    return None


def key(name):
    """Presses a key in the game's window. A virtual display has no window manager: the
    keyboard goes to the window under the pointer, so the pointer rests on the window's corner
    (over no cell, which would select it)."""
    subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Stacklinks",
                    "mousemove", "--window", "%1", "3", "3", "windowfocus", "%1", "key", name],
                   check=False)
    say_heard(name)


def main():
    app = wait_for(lambda n: n.getRole() == pyatspi.ROLE_APPLICATION and "stacklinks" in n.name.lower())
    if app is None:
        print("the game did not appear on the AT-SPI bus")
        return 1
    window = wait_for(lambda n: n.getRole() == pyatspi.ROLE_FRAME and "Stacklinks" in n.name)
    grid = wait_for(lambda n: n.getRole() == pyatspi.ROLE_TABLE and n.name == "Puzzle grid")
    time.sleep(1.0)  # the first tick shows the puzzle
    print("window:", describe(window))
    for name in ("Check", "Next puzzle"):
        print("button:", describe(find(app, lambda n, name=name: n.name == name)))
    print("size label:", describe(find(app, lambda n: n.name.startswith("Puzzle size"))))
    print("grid:", describe(grid))
    table = grid.queryTable()
    print("grid table:", table.nRows, "rows,", table.nColumns, "columns")

    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused",
                                           "object:property-change:accessible-name")
    pump(0.5)
    heard.clear()
    # Select row 1 the way a screen reader's user would: the grid has the keyboard, Home.
    key("Home")
    cell = table.getAccessibleAt(0, 1)
    print("cell before typing:", describe(cell))
    key("q")
    print("cell after typing:", describe(table.getAccessibleAt(0, 1)))
    focused = find(grid, lambda n: n.getRole() == pyatspi.ROLE_TABLE_CELL and
                   n.getState().contains(pyatspi.STATE_FOCUSED))
    print("grid's focused cell:", describe(focused) if focused else "none")
    key("Down")
    print("cell below:", describe(table.getAccessibleAt(1, 1)))

    clues = find(app, lambda n: n.getRole() == pyatspi.ROLE_LIST and n.name == "Clues")
    print("clue list:", describe(clues), "with", clues.childCount, "clues")
    current = [c for c in clues if c.getState().contains(pyatspi.STATE_SELECTED)]
    print("current clue:", describe(current[0]) if current else "none")
    status = find(app, lambda n: n.description == "Status")
    key("F5")
    print("status after F5:", describe(status))
    linked = find(app, lambda n: n.name.startswith("Linked Letters"))
    print("linked letters:", describe(linked))
    return 0


if __name__ == "__main__":
    sys.exit(main())
