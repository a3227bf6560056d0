#!/usr/bin/python3
"""Chooses one of the running game's menu items through the desktop's
accessibility, as a screen reader's user does: finds the game's application
on the AT-SPI bus by its process id, the item by its name ("Joc Nou",
"Exit"), and carries out the item's action. It is how the tests drive the game
on a compositor that has no keyboard or pointer to send input with.

usage: atspi_press.py PID NAME   (in the game's D-Bus session, its
accessibility bus up); exits 0 once the action was carried out.
"""
import sys
import time

import pyatspi


def find(root, name):
    """The first accessible below `root`, depth first, named `name`."""
    if root.name == name:
        return root
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is not None:
            found = find(child, name)
            if found is not None:
                return found
    return None


def item(pid, name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return find(app, name)
    return None


def main():
    pid, name = int(sys.argv[1]), sys.argv[2]
    deadline = time.monotonic() + 20
    found = item(pid, name)
    while found is None and time.monotonic() < deadline:
        time.sleep(0.1)
        found = item(pid, name)
    if found is None:
        sys.exit(f"no item {name!r} in the game's accessible tree")
    found.queryAction().doAction(0)


if __name__ == "__main__":
    main()
