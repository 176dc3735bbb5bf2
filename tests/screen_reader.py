# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Plays the game as a screen reader would, through AT-SPI: holds the role, name, states and actions
of every control against the shared table's, asks what lies under each cell, plays a line with the
cells' press actions, hearing each cell's new name announced, and dismisses the "You Win!!" box.

Usage: screen_reader.py GAME_BINARY SPOKEN_TABLE_BINARY
Run it on an X display inside a private D-Bus session; the accessibility bus starts on demand.
"""
import os
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# libatspi marks get_action_name deprecated in favour of a get_name that the accessible's own
# get_name hides in Python.
warnings.filterwarnings("ignore", category=DeprecationWarning)

SCREEN = Atspi.CoordType.SCREEN
PLACES = ["top left", "top", "top right", "left", "centre", "right",
          "bottom left", "bottom", "bottom right"]
ROLES = {Atspi.Role.PUSH_BUTTON: "push button", Atspi.Role.LABEL: "static text",
         Atspi.Role.TEXT: "text"}
# Qt offers the focus as an action of every control that takes it; Active Accessibility has one
# default action per object, and the table names that one.
QT_FOCUS_ACTION = "SetFocus"
# The names that listeners heard announced, in order.
announced = []


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe, seconds=10):
    deadline = time.monotonic() + seconds
    while True:
        found = probe()
        if found:
            return found
        # Delivers the events that the listener waits for.
        while GLib.MainContext.default().iteration(False):
            pass
        if time.monotonic() > deadline:
            fail(f"timed out waiting for {what}")
        time.sleep(0.05)


def children(node):
    # A window that is closing may lose children while they are counted.
    node.clear_cache()
    found = (node.get_child_at_index(i) for i in range(node.get_child_count()))
    return [child for child in found if child is not None]


def descendants(node):
    for child in children(node):
        yield child
        yield from descendants(child)


def find_app():
    return next((app for app in children(Atspi.get_desktop(0))
                 if app and app.get_name() == "zorbelkin"), None)


def name(node):
    node.clear_cache()
    return node.get_name()


def actions(node):
    node.clear_cache()
    return [node.get_action_name(i) for i in range(node.get_n_actions())]


def told(node):
    """What a screen reader hears of node, in the table's words."""
    states = node.get_state_set()
    focusable = " focusable" if states.contains(Atspi.StateType.FOCUSABLE) else ""
    enabled = "enabled" if states.contains(Atspi.StateType.ENABLED) else "unavailable"
    offered = [action for action in actions(node) if action != QT_FOCUS_ACTION]
    role = ROLES.get(node.get_role(), node.get_role_name())
    return f"{role}\t{name(node)}\t{enabled}{focusable}\t{' '.join(offered)}"


def check_tree(frame, table):
    if frame.get_role_name() != "frame":
        fail(f'the main window reads as a "{frame.get_role_name()}", not as a frame')
    expected = subprocess.run([table], check=True, capture_output=True,
                              text=True).stdout.splitlines()
    heard = [told(node) for node in children(frame)]
    if heard != expected:
        wrong = [f"heard {h!r}, not {e!r}" for h, e in zip(heard, expected) if h != e]
        fail(f"the window's {len(heard)} controls differ from the table's {len(expected)}: "
             + "; ".join(wrong))
    by_name = {name(node): node for node in children(frame)}
    cells = [by_name.get(f"{place}, empty") for place in PLACES]
    if None in cells:
        fail(f"cells missing from the window's tree: {sorted(by_name)}")
    # Each name says where its cell lies: read row by row down the board, they run in order.
    corners = [(box.y, box.x) for box in (cell.get_extents(SCREEN) for cell in cells)]
    if sorted(corners) != corners:
        fail("the cells' names do not match their places: row by row the board reads "
             + "; ".join(name(cells[corners.index(c)]) for c in sorted(corners)))
    print(f"the window is a frame; its {len(heard)} controls have the table's roles, names, "
          "states and actions")
    return cells


def check_hits(frame, cells):
    for cell in cells:
        box = cell.get_extents(SCREEN)
        points = [(box.x + box.width // 2, box.y + box.height // 2), (box.x + 1, box.y + 1),
                  (box.x + box.width - 2, box.y + box.height - 2)]
        for x, y in points:
            hit = frame.get_accessible_at_point(x, y, SCREEN)
            if hit is None or name(hit) != name(cell):
                fail(f"at ({x}, {y}) lies {hit and (hit.get_role_name(), name(hit))}, "
                     f"not the cell \"{name(cell)}\"")
    print("what lies under the centre and the corners of each cell is that cell")


def press(cell):
    if actions(cell) != ["Press"]:
        fail(f'the free cell "{name(cell)}" offers {actions(cell)}, not the press action')
    cell.do_action(0)


def play(cell, mark):
    place = name(cell).rsplit(",", 1)[0]
    press(cell)
    wait_for(f'the announcement of "{place}, {mark}"', lambda: f"{place}, {mark}" in announced)
    if actions(cell):
        fail(f'the used cell "{name(cell)}" still offers {actions(cell)}')


def message_box(app):
    for window in children(app):
        try:
            texts = {name(node): node for node in descendants(window)}
        except GLib.Error:  # gone while being read
            continue
        if "You Win!!" in texts:
            return window, texts
    return None


def main():
    # The accessibility bus starts on the first question, and the registry with it; the game
    # starts only once both answer, or under load it may look for the bus before it is there.
    wait_for("the accessibility bus", lambda: Atspi.get_desktop(0) is not None)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    game = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = wait_for("the game on the accessibility bus", find_app, 30)
        frame = wait_for("the window", lambda: next(
            (node for node in children(app) if name(node) == "ZOR BEL KIN"), None))
        listener = Atspi.EventListener.new(lambda event: announced.append(event.source.get_name()))
        listener.register("object:property-change:accessible-name")
        cells = check_tree(frame, sys.argv[2])
        check_hits(frame, cells)

        for cell, mark in [(0, "X"), (3, "O"), (1, "X"), (4, "O")]:
            play(cells[cell], mark)
        print("the press action plays a free cell, whose new name is announced; "
              "a used cell offers no action")

        press(cells[2])
        box, texts = wait_for('the "You Win!!" box', lambda: message_box(app))
        if box.get_name() != "ZORBELKIN" or texts.get("OK") is None:
            fail(f'the box is "{box.get_name()}" with {sorted(texts)}, not "ZORBELKIN" with OK')
        cells[5].do_action(0)
        texts["OK"].do_action(0)
        wait_for("the box to close", lambda: message_box(app) is None)
        score = next(node for node in children(frame) if name(node) == "Player 1 score")
        # Called through the interface: newer bindings give the accessible a get_text of its own,
        # which returns the interface.
        wait_for("player 1's score of 1", lambda: Atspi.Text.get_text(score, 0, -1) == "1")
        if name(cells[5]) != "right, empty":
            fail(f'a press while the box was open played a cell: "{name(cells[5])}"')
        print('X completed the top row: "You Win!!" with OK, pressed; the score is 1; '
              "a press while the box was open did nothing")
    finally:
        game.terminate()
        game.wait(10)
    print("PASS: a screen reader can find and play the cells")


main()
