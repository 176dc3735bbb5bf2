# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Plays either program as a screen reader would: holds the role, name, states and action of every
control against the shared table's, checks that the cells' names say where they lie and that what
lies under each cell is that cell, plays a line with the cells' press actions, hearing each cell's
new name announced once, dismisses the "You Win!!" box, and hears New Game rename only the cells
it empties.

Usage: screen_reader.py atspi GAME_BINARY SPOKEN_TABLE_BINARY
       screen_reader.py msaa MSAA_CLIENT_COMMAND...
atspi starts the Linux program and reads it through AT-SPI; run it on an X display inside a private
D-Bus session, where the accessibility bus starts on demand. msaa reads the running Windows program
through Active Accessibility, with msaa_client.
"""
import os
import subprocess
import sys
import time
from collections import namedtuple

PLACES = ["top left", "top", "top right", "left", "centre", "right",
          "bottom left", "bottom", "bottom right"]
# A control as read: what it is told as (the table's line), its name, its place on the screen as
# (left, top, width, height), and how the reader finds it again.
Control = namedtuple("Control", "told name place handle")


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe, seconds=10):
    deadline = time.monotonic() + seconds
    while not (found := probe()):
        if time.monotonic() > deadline:
            fail(f"timed out waiting for {what}")
        time.sleep(0.05)
    return found


class AtSpi:
    """The Linux program, started here, through AT-SPI."""
    # Qt offers the focus as an action of every control that takes it; Active Accessibility has
    # one default action per object, and the table names that one.
    QT_FOCUS_ACTION = "SetFocus"

    def __init__(self, game, table):
        import gi
        import warnings
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib
        # libatspi marks get_action_name deprecated in favour of a get_name that the accessible's
        # own get_name hides in Python.
        warnings.filterwarnings("ignore", category=DeprecationWarning)
        self.atspi, self.glib, self.table_program, self.announced = Atspi, GLib, table, []
        # The accessibility bus starts on the first question, and the registry with it; the game
        # starts only once both answer, or under load it may look for the bus before it is there.
        wait_for("the accessibility bus", lambda: Atspi.get_desktop(0) is not None)
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.game = subprocess.Popen([game], env=env)
        self.app = wait_for("the game on the accessibility bus", lambda: next(
            (app for app in self.children(Atspi.get_desktop(0)) if app.get_name() == "zorbelkin"),
            None), 30)
        self.frame = wait_for("the window", lambda: next(
            (node for node in self.children(self.app) if self.name(node) == "ZOR BEL KIN"), None))
        if self.frame.get_role_name() != "frame":
            fail(f'the main window reads as a "{self.frame.get_role_name()}", not as a frame')
        self.listener = Atspi.EventListener.new(
            lambda event: self.announced.append(event.source.get_name()))
        self.listener.register("object:property-change:accessible-name")

    @staticmethod
    def children(node):
        # A window that is closing may lose children while they are counted.
        node.clear_cache()
        found = (node.get_child_at_index(i) for i in range(node.get_child_count()))
        return [child for child in found if child is not None]

    @staticmethod
    def name(node):
        node.clear_cache()
        return node.get_name()

    def table(self):
        return subprocess.run([self.table_program], check=True, capture_output=True,
                              text=True).stdout.splitlines()

    def told(self, node):
        node.clear_cache()
        states = node.get_state_set()
        focusable = " focusable" if states.contains(self.atspi.StateType.FOCUSABLE) else ""
        enabled = "enabled" if states.contains(self.atspi.StateType.ENABLED) else "unavailable"
        actions = [node.get_action_name(i) for i in range(node.get_n_actions())]
        roles = {self.atspi.Role.PUSH_BUTTON: "push button", self.atspi.Role.LABEL: "static text",
                 self.atspi.Role.TEXT: "text"}
        role = roles.get(node.get_role(), node.get_role_name())
        offered = " ".join(action for action in actions if action != self.QT_FOCUS_ACTION)
        return f"{role}\t{self.name(node)}\t{enabled}{focusable}\t{offered}"

    def place(self, node):
        box = node.get_extents(self.atspi.CoordType.SCREEN)
        return box.x, box.y, box.width, box.height

    def controls(self):
        return [Control(self.told(node), self.name(node), self.place(node), node)
                for node in self.children(self.frame)]

    def at(self, x, y):
        hit = self.frame.get_accessible_at_point(x, y, self.atspi.CoordType.SCREEN)
        return [self.name(hit) if hit else "nothing"]

    def press(self, node):
        node.do_action(0)

    def value(self, node):
        # Through the interface: newer bindings give the accessible a get_text of its own, which
        # returns the interface.
        return self.atspi.Text.get_text(node, 0, -1)

    def heard(self):
        while self.glib.MainContext.default().iteration(False):
            pass
        return self.announced

    def box(self):
        for window in self.children(self.app):
            try:
                texts = {self.name(node): node for node in self.descendants(window)}
            except self.glib.Error:  # gone while being read
                continue
            if "You Win!!" in texts:
                return window.get_name(), texts
        return None

    def descendants(self, node):
        for child in self.children(node):
            yield child
            yield from self.descendants(child)

    def dismiss(self):
        self.box()[1]["OK"].do_action(0)

    def close(self):
        self.game.terminate()
        self.game.wait(10)


class Msaa:
    """The running Windows program, through Active Accessibility, by way of msaa_client."""

    def __init__(self, command):
        self.client = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                       text=True)
        self.announced = []
        if self.ask(None) != ["ZOR BEL KIN"]:
            fail('the window is not named "ZOR BEL KIN" to a screen reader')

    def ask(self, command):
        if command:
            self.client.stdin.write(command + "\n")
            self.client.stdin.flush()
        lines = []
        while (line := self.client.stdout.readline().rstrip("\r\n")) != ".":
            if not line and self.client.poll() is not None:
                fail(f"msaa_client ended: {lines}")
            lines.append(line)
        return lines

    def table(self):
        return self.ask("table")

    def controls(self):
        found = []
        for line in self.ask("children"):
            handle, role, name, states, action, place = line.split("\t")
            found.append(Control(f"{role}\t{name}\t{states}\t{action}", name,
                                 tuple(int(n) for n in place.split()), int(handle)))
        return found

    def told(self, handle):
        return next(c.told for c in self.controls() if c.handle == handle)

    def at(self, x, y):
        return self.ask(f"at {x} {y}")[0].split("\t")

    def press(self, handle):
        self.ask(f"press {handle}")

    def value(self, handle):
        return self.ask(f"value {handle}")[0]

    def heard(self):
        self.announced += self.ask("heard")
        return self.announced

    def box(self):
        said = self.ask("box")
        return (said[0].split("\t")[0], set(said[0].split("\t")[1:])) if said else None

    def dismiss(self):
        self.ask("dismiss")

    def close(self):
        self.client.stdin.close()
        self.client.wait(10)


def check_tree(reader):
    controls, expected = reader.controls(), reader.table()
    heard = [control.told for control in controls]
    if heard != expected:
        wrong = [f"heard {h!r}, not {e!r}" for h, e in zip(heard, expected) if h != e]
        fail(f"the window's {len(heard)} controls differ from the table's {len(expected)}: "
             + "; ".join(wrong))
    by_name = {control.name: control for control in controls}
    cells = [by_name.get(f"{place}, empty") for place in PLACES]
    if None in cells:
        fail(f"cells missing from the window's tree: {sorted(by_name)}")
    # Each name says where its cell lies: read row by row down the board, they run in order.
    corners = [(cell.place[1], cell.place[0]) for cell in cells]
    if sorted(corners) != corners:
        fail("the cells' names do not match their places: row by row the board reads "
             + "; ".join(cells[corners.index(c)].name for c in sorted(corners)))
    print(f"the window's {len(heard)} controls have the table's roles, names, states and actions")
    for cell in cells:
        x, y, width, height = cell.place
        for point in [(x + width // 2, y + height // 2), (x + 1, y + 1),
                      (x + width - 2, y + height - 2)]:
            found = reader.at(*point)
            if any(name != cell.name for name in found):
                fail(f'at {point} lies {" / ".join(found)}, not the cell "{cell.name}"')
    print("what lies under the centre and the corners of each cell is that cell")
    return cells, by_name["Player 1 score"], by_name["New Game"]


def main():
    reader = AtSpi(*sys.argv[2:]) if sys.argv[1] == "atspi" else Msaa(sys.argv[2:])
    try:
        cells, score, new_game = check_tree(reader)
        # X completes the top row.
        played = []
        for cell, mark in [(0, "X"), (3, "O"), (1, "X"), (4, "O"), (2, "X")]:
            now = f"{PLACES[cell]}, {mark}"
            reader.press(cells[cell].handle)
            wait_for(f'the announcement of "{now}"', lambda: now in reader.heard())
            if reader.told(cells[cell].handle) != f"push button\t{now}\tunavailable\t":
                fail(f'the used cell is told as "{reader.told(cells[cell].handle)}"')
            played.append(now)
        print("the press action plays a free cell; a used cell is unavailable, with no action")

        caption, texts = wait_for('the "You Win!!" box', reader.box)
        if caption != "ZORBELKIN" or not {"You Win!!", "OK"} <= set(texts):
            fail(f'the box is "{caption}" with {sorted(texts)}, not "ZORBELKIN" with "You Win!!"'
                 ' and OK')
        reader.press(cells[5].handle)
        reader.dismiss()
        wait_for("the box to close", lambda: reader.box() is None)
        wait_for("player 1's score of 1", lambda: reader.value(score.handle) == "1")
        if not reader.told(cells[5].handle).startswith("push button\tright, empty\t"):
            fail(f'a press while the box was open played a cell: "{reader.told(cells[5].handle)}"')
        print('X completed the top row: "You Win!!" with OK, pressed; the score is 1; '
              "a press while the box was open did nothing")

        # All that New Game announces is in once the move after it is heard.
        reader.press(new_game.handle)
        wait_for("New Game", lambda: "top left, empty" in reader.heard())
        reader.press(cells[8].handle)
        wait_for('"bottom right, X"', lambda: "bottom right, X" in reader.heard())
        cells_heard = [name for name in reader.heard() if name.split(",")[0] in PLACES]
        emptied = sorted([f"{place}, empty" for place in PLACES[:5]] + ["bottom right, X"])
        if cells_heard[:5] != played or sorted(cells_heard[5:]) != emptied:
            fail(f"heard the cells {cells_heard}: not each move once, or more than New Game emptied")
        print("each move was announced once; New Game announced only the five cells it emptied")
    finally:
        reader.close()
    print("PASS: a screen reader can find and play the cells")


main()
