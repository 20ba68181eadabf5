#!/usr/bin/python3
# Reads Drawvane the way a screen reader does, over the AT-SPI bus, and
# prints what it finds, a line each:
#   role <role of the main window>
#   marked <name of a checked cell of the coupon>
#   focused <name of the focused cell>
#   figure <name of a results label that has one>
# With "toggle NAME" it first runs the Toggle action of the cell so named.
import sys

import pyatspi


def find(node, test, depth=0):
    if node is None or depth > 8:
        return None
    if test(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), test, depth + 1)
        if found is not None:
            return found
    return None


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    app = next((a for a in desktop if a is not None and a.name == "Drawvane"), None)
    if app is None:
        print("error no application Drawvane on the bus")
        return 1
    window = app.getChildAtIndex(0)
    print("role", window.getRoleName())
    table = find(window, lambda n: n.getRoleName() == "table" and n.name == "Coupon")
    if table is None:
        print("error no coupon table")
        return 1
    cells = [table.getChildAtIndex(i) for i in range(table.childCount)]
    cells = [c for c in cells if c is not None and c.getRoleName() == "table cell"]
    if len(sys.argv) == 3 and sys.argv[1] == "toggle":
        cell = next(c for c in cells if c.name == sys.argv[2])
        action = cell.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Toggle"))
    for cell in cells:
        states = cell.getState()
        if states.contains(pyatspi.STATE_CHECKED):
            print("marked", cell.name)
        if states.contains(pyatspi.STATE_FOCUSED):
            print("focused", cell.name)
    panel = find(window, lambda n: n.getRoleName() == "label" and n.name == "Win Probability")
    if panel is not None:
        parent = panel.parent
        for i in range(parent.childCount):
            label = parent.getChildAtIndex(i)
            if label is not None and len(label.name.split()) > 2:
                print("figure", label.name)
    return 0


sys.exit(main())
