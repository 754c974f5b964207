#!/usr/bin/python3
"""Dumps Corvana's board as the accessibility bus shows it, plays a move with the pointer and
prints what the board says afterwards (its description carries the last announcement, which the
program also sends as an alert). Run by scripts/accessibility-check.sh."""
import subprocess
import sys
import time

import pyatspi


def find(node, predicate, depth=0):
    if node is None or depth > 12:
        return None
    if predicate(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), predicate, depth + 1)
        if found:
            return found
    return None


def board_of_game(timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app and app.name and app.name.lower().startswith("corvana"):
                board = find(app, lambda n: n.getRoleName() == "table" and n.name == "Reversi board")
                if board:
                    return board
        time.sleep(0.5)
    return None


board = board_of_game()
if board is None:
    sys.exit("the board did not appear on the accessibility bus")
print(f"board: {board.name!r}, {board.getRoleName()}, {board.childCount} squares")
print(f"description: {board.description!r}")
table = board.queryTable()
for row, column in ((2, 4), (3, 3), (3, 4), (0, 0)):
    print(f"  row {row} column {column}: {table.getAccessibleAt(row, column).name!r}")

# A click on E6, where Yellow may play at the start.
extents = table.getAccessibleAt(2, 4).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
x, y = extents.x + extents.width // 2, extents.y + extents.height // 2
subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)
time.sleep(2)
print(f"after the move, E6 is {table.getAccessibleAt(2, 4).name!r}")
print(f"description: {board.description!r}")
