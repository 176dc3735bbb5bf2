# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""The game as a player and a screen reader meet it, told once and played on each program
through its driver, which knows no rule: its hands give real input, its eyes read what a screen
reader gets. Usage: story.py play|looks|broken qt GAME | wine GAME.exe MSAA_CLIENT.exe
                                             | chromium|firefox|webkit SITE"""
import sys

import browser
import desktop
from kit import contrast, fail, ground_and_ink, until

PLACES = ["top left", "top", "top right", "left", "centre", "right", "bottom left", "bottom",
          "bottom right"]
# The layout in twips, 15 to the pixel at 96 dots per inch, written out again so that a control
# moved in the program's table shows: the grid lines (left, top, across, down, width in pixels),
# the cells, the captions (words, centred) and the boxed controls by their spoken names.
LINES = [(2400, 360, 0, 5640, 5), (4560, 360, 0, 5640, 5), (480, 2160, 6000, 0, 5),
         (480, 4200, 6000, 0, 5)]
CELLS = [(left, top, 1695, 1575) for top in (360, 2400, 4440) for left in (480, 2640, 4800)]
CAPTIONS = {(720, 0, 1215, 255): ("ZOR", True), (2880, 0, 1215, 255): ("BEL", True),
            (5040, 0, 1215, 255): ("KIN", True), (1920, 6120, 615, 255): ("Player1", False),
            (4560, 6120, 615, 255): ("Player 2", False),
            (3120, 6120, 855, 495): ("Player's Turn", True)}
BOXES = {"Player to move": (3360, 6600, 375, 285), "New Game": (840, 6240, 735, 495),
         "Player 1 score": (1920, 6360, 615, 375), "Player 2 score": (4560, 6360, 615, 375)}
# What a screen reader is told of each control on a fresh board, back to front: its role, name,
# states and action. Beside the cells, the focusable controls are those in the tab order.
TREE = (["static text\tPlayer's Turn\tenabled\t"]
        + [f"push button\t{place}, empty\tenabled%s\tPress" for place in PLACES]
        + [f"static text\t{words}\tenabled\t" for words in ("ZOR", "BEL", "KIN", "Player1",
                                                              "Player 2")]
        + ["text\tPlayer to move\tunavailable\t",
           "push button\tNew Game\tenabled focusable\tPress",
           "text\tPlayer 1 score\tenabled focusable\t",
           "text\tPlayer 2 score\tenabled focusable\t"])
GAPS = [(160, 90), (150, 80), (100, 150), (460, 300)]  # a grid line, then three gaps


def scaled(pixels, scale):
    """Pixels at 96 dots per inch at another scale, rounded half up as the programs do."""
    return int(pixels * scale + 0.5)


def rect(twips, scale=1):
    """(left, top, right, bottom) in pixels, inclusive."""
    left, top, width, height = (scaled(t / 15, scale) for t in twips)
    return left, top, left + width - 1, top + height - 1


def point(twips, at=None):
    """A point of a rectangle at 96 dots per inch: at (x, y) from its top left, or its middle."""
    left, top, right, bottom = rect(twips)
    x, y = at or ((right - left) // 2, (bottom - top) // 2)
    return left + x, top + y


def cells_in(names):
    return [name for name in names if name.split(",")[0] in PLACES]


def named(cell, mark):
    return f"{PLACES[cell]}, {mark}"


def geometry(shot, scale):
    """How a fresh window's picture differs from the layout, for any release's fonts: the ground
    is bare outside the controls, the grid lines solid and exactly placed, the cells empty, each
    caption in its place (centred where laid out so) and readable, each boxed control filled."""
    ground, line = shot.pixel(2, 2), shot.pixel(scaled(160, scale), scaled(30, scale))
    within = lambda x, y, r: r[0] <= x <= r[2] and r[1] <= y <= r[3]

    def ink(r, behind=()):
        """The bounding box of what differs from the ground in r, but for what lies in behind."""
        seen = [(x, y) for y in range(r[1], r[3] + 1) for x in range(r[0], r[2] + 1)
                if shot.pixel(x, y) != ground and not any(within(x, y, b) for b in behind)]
        return seen and (min(seen)[0], min(y for _, y in seen), max(seen)[0],
                         max(y for _, y in seen))

    def line_rect(left, top, across, down, width):
        thick = scaled(width, scale)
        left, top, right, bottom = rect((left, top, across, down), scale)
        if across:
            return left, top - thick // 2, right, top - thick // 2 + thick - 1
        return left - thick // 2, top, left - thick // 2 + thick - 1, bottom

    lines, cells = [line_rect(*ln) for ln in LINES], [rect(c, scale) for c in CELLS]
    captions = {rect(r, scale): said for r, said in CAPTIONS.items()}
    boxes = {name: rect(r, scale) for name, r in BOXES.items()}
    laid_out = lines + cells + list(captions) + list(boxes.values())
    faults = [f"pixels outside every control, the first at {(x, y)}" for y in range(shot.height)
              for x in range(shot.width) if shot.pixel(x, y) != ground
              and not any(within(x, y, r) for r in laid_out)][:1]
    faults += [f"the grid line {r} is not solid" for r in lines if set(shot.area(*r)) != {line}]
    faults += [f"cell {i} is not empty" for i, r in enumerate(cells) if ink(r)]
    for r, (words, centred) in captions.items():
        seen = ink(r, boxes.values())
        left, right = (seen[0] - r[0], r[2] - seen[2]) if seen else (0, 0)
        if not seen or max(contrast(c, ground) for c in shot.area(*seen)) < 4.5:
            faults.append(f'"{words}" does not show, or stands out by less than 4.5 : 1')
        elif (abs(left - right) if centred else left) > scaled(3, scale):
            faults.append(f'"{words}" lies {left} pixels from its left, {right} from its right')
    for name, r in boxes.items():
        seen, inner = ink(r), [c + scaled(4, scale) * side for c, side in zip(r, (1, 1, -1, -1))]
        if not seen or any(abs(a - b) > scaled(1, scale) for a, b in zip(seen, r)):
            faults.append(f"{name} does not fill {r}: it shows at {seen}")
        elif contrast(*ground_and_ink(shot.area(*inner))) < 3:
            faults.append(f"{name} shows no text")
    return faults


def board(shot, scale):
    """The marks as "XO./.X./..X": a mark's teal panel shows at (74, 30) in its cell, with white
    strokes at the middle for X and teal for O."""
    marks = ""
    for cell in CELLS:
        panel, middle = ([scaled(c, scale) for c in point(cell, at)] for at in ((74, 30), (56, 52)))
        if shot.pixel(*panel) != bytes((0, 132, 132)):
            marks += "."
        else:
            marks += {b"\xff\xff\xff": "X", bytes((0, 132, 132)): "O"}.get(shot.pixel(*middle), "?")
    return "/".join(marks[i:i + 3] for i in (0, 3, 6))


class Game:
    """One program under the story, where in its reader's tree each cell lies, and each move."""

    def __init__(self, driver):
        self.driver, self.hands = driver, driver.start(reader=True)
        self.eyes, self.cells, self.moves = None, [], []

    def shows(self, marks):
        until("the board shows", lambda: board(self.hands.shot(), self.hands.scale), marks)

    def told(self, cell):
        return self.eyes.controls()[self.cells[cell]].told

    def value(self, name):
        return next(c.value for c in self.eyes.controls() if c.name == name)

    def focused(self):
        return [c.name for c in self.eyes.controls() if c.focused]

    def box(self):
        box = self.eyes.box()
        return box and (box[0], {"You Win!!", "OK"} <= box[1])

    def press(self, cell):
        self.eyes.press(self.eyes.controls()[self.cells[cell]])

    def move(self, cell, mark, by="click", at=None, then=lambda: None):
        """Plays a free cell by a click at a point of it, by the reader's press, or by a key once
        the reader's navigation has focused it (a click where it cannot), and whatever then comes;
        the reader hears its new name once, and the cell is then unavailable."""
        now = named(cell, mark)
        said = self.eyes.heard().count(now)
        if by == "press":
            self.press(cell)
        elif by != "click" and self.focusable:
            self.eyes.focus(self.eyes.controls()[self.cells[cell]])
            self.hands.key(by)
        else:
            self.hands.click(*point(CELLS[cell], at))
        then()
        until(f'"{now}" said once', lambda: self.eyes.heard().count(now), said + 1)
        until("the used cell", lambda: self.told(cell),
              f"push button\t{now}\tunavailable{self.focusable}\t")
        self.moves.append(now)

    def line(self, moves, scores, name="Player 1 score"):
        """Plays moves (cell, mark and maybe how), the last completing one or more lines: a box
        for each, closed by Enter, the point after it; while a box is open, neither a click nor a
        press plays a free cell."""
        for move in moves[:-1]:
            self.move(*move)
            until(f"no box after {named(*move[:2])}", self.box, None)
        free = [i for i in range(9) if named(i, "empty") in self.told(i) and i != moves[-1][0]]

        def boxes():
            for score in scores:
                until("the box", self.box, ("ZORBELKIN", True))
                until(f"{name} while the box is open", lambda: self.value(name), str(score - 1))
                for cell in free[:1]:
                    self.hands.click(*point(CELLS[cell]))
                    self.press(cell)
                self.hands.key("Return")
                until(f"{name} once the box is closed", lambda: self.value(name), str(score))
            until("the last box closed", self.box, None)

        self.move(*moves[-1], then=boxes)
        for cell in free[:1]:
            until("a free cell after the box", lambda: self.told(cell).split("\t")[1],
                  named(cell, "empty"))

    def no_holder(self):
        if "Form2" in self.hands.windows():
            fail('a window titled "Form2" shows')


def read_tree(game):
    """The reader's tree, the cells' names against their places, and what lies under each."""
    # Where a reader's navigation may focus a cell, as in a page, its states say so.
    game.focusable = " focusable" if game.eyes.cells_take_focus else ""
    tree = [line.replace("%s", game.focusable) for line in TREE]
    until("the reader's tree, against the table", lambda: [c.told for c in game.eyes.controls()],
          tree)
    controls = game.eyes.controls()
    game.cells = [[c.name for c in controls].index(named(i, "empty")) for i in range(9)]
    places = [controls[i].place for i in game.cells]
    if sorted(places, key=lambda p: p[1::-1]) != places:
        fail(f"the cells' names do not follow their places: {places}")
    for i, (left, top, width, height) in enumerate(places):
        for x, y in [(left + width // 2, top + height // 2), (left + 1, top + 1),
                     (left + width - 2, top + height - 2)]:
            if set(game.eyes.at(x, y)) != {named(i, "empty")}:
                fail(f"at {x}, {y} lies {game.eyes.at(x, y)}, not the cell {named(i, 'empty')}")
    print(f"the reader's {len(tree)} controls are the table's; each cell lies under its name")


def play(driver):
    game = Game(driver)
    hands = game.hands
    size = (hands.shot().width, hands.shot().height)
    if size != (scaled(470, hands.scale), scaled(459, hands.scale)):
        fail(f"the window is {size}, not 470 x 459 at a scale of {hands.scale}")
    until("the fresh window against the layout", lambda: geometry(hands.shot(), hands.scale), [])
    game.shows(".../.../...")
    if "ZOR BEL KIN" not in hands.windows() or getattr(driver, "install_errors", list)():
        fail(f"no window titled \"ZOR BEL KIN\" in {hands.windows()}, or not installable")
    lazy = set(getattr(driver, "lazy_libraries", ()))
    if lazy & getattr(driver, "libraries", set)():
        fail(f"before a reader asks, the program has loaded {lazy & driver.libraries()}")
    game.no_holder()
    print(f"the fresh window is laid out, at {size[0]} x {size[1]} pixels")

    game.eyes = driver.eyes()
    read_tree(game)
    until("the focus at start", game.focused, ["New Game"])
    game.move(4, "X")
    for x, y in [point(CELLS[4]), point(CELLS[4], (0, 0)), point(CELLS[4], (112, 104))] + GAPS:
        hands.click(x, y)
    game.press(4)
    for pointer in hands.pointers:  # a press dragged from one free cell onto another
        hands.drag(*point(CELLS[8]), *point(CELLS[7]), pointer=pointer)
    game.move(0, "O", at=(5, 5))
    game.shows("O../.X./...")
    if not lazy <= getattr(driver, "libraries", set)():
        fail(f"once a mark showed, the program had not loaded {lazy - driver.libraries()}")
    print("used cells, grid lines, gaps, a reader's press on a used cell and drags play nothing;"
          " the reader hears each move")

    game.move(1, "X", by="press")
    game.line([(2, "O", "Return"), (7, "X")], [1])
    hands.click(*point(BOXES["Player 2 score"]))
    for key in ("ctrl+a", "4", "1"):
        hands.key(key)
    game.line([(3, "O"), (5, "X", "space"), (6, "O")], [42], "Player 2 score")
    game.shows("OXO/OXX/OX.")
    game.no_holder()
    print("X's column and O's typed score: a box each, the point after it, the board deaf;"
          " Enter and Space play a cell a reader has focused, where one can")

    heard = len(game.eyes.heard())
    hands.drag(*point(BOXES["New Game"]), 20, 432)
    game.shows("OXO/OXX/OX.")
    until("the focus after a press dragged off New Game", game.focused, ["New Game"])
    hands.key("Return")
    game.shows(".../.../...")
    if cells_in(game.eyes.heard()[:heard]) != game.moves:
        fail(f"the reader heard {cells_in(game.eyes.heard())}, not each move once: {game.moves}")
    until("the cells' names after New Game",
          lambda: [game.told(i).split("\t")[1] for i in range(9)],
          [named(i, "empty") for i in range(9)])
    renamed = [named(i, "empty") for i in range(8)] if game.eyes.announces_renames else []
    until("the cells New Game announced",
          lambda: sorted(cells_in(game.eyes.heard()[heard:])), sorted(renamed))
    print("New Game, pressed by Enter, renames only the cells it empties")

    for key, focus in [("Tab", "Player 1 score"), ("Tab", "Player 2 score"), ("Tab", "New Game"),
                       ("shift+Tab", "Player 2 score"), ("shift+Tab", "Player 1 score")]:
        hands.key(key)
        until(f"the focus after {key}", game.focused, [focus])
    game.move(4, "X")
    hands.key("Return")  # in player 1's score box
    hands.key("shift+Tab")
    game.shows(".../.X./...")
    for key in ("space", "Return"):
        hands.key(key)
        game.shows(".../.../...")
        game.move(4, "X")
    hands.key("Return")
    print("Tab and Shift+Tab run New Game, the scores; Space and Enter press New Game alone")

    game.line([(1, "X"), (4, "O"), (2, "X"), (5, "O"), (3, "X"), (8, "O"), (6, "X"), (7, "O"),
               (0, "X")], [2, 3])
    game.shows("XXX/XOO/XOO")
    print("one move that completes two lines: two boxes, each before its point")
    if hasattr(driver, "offline"):
        driver.offline()
        game.hands.click(*point(CELLS[8]))
        game.shows(".../.../..X")
        print("once loaded, the game plays offline")
    game.no_holder()


def looks(driver):
    for look in driver.looks:
        hands = driver.start(look)
        if look.screen and scaled(470, hands.scale) > look.screen * look.density:
            fail(f"{look.name}: the board is wider than the screen, at a scale of {hands.scale}")
        elif not look.screen:
            until(f"{look.name}: the fresh window", lambda: geometry(hands.shot(), hands.scale), [])
        ground, box = hands.shot().pixel(2, 2), rect(BOXES["Player to move"], hands.scale)
        if contrast(ground, b"\0\0\0") < 7 or look.board and ground != bytes(look.board):
            fail(f"{look.name}: the board is {tuple(ground)}, not light and {look.board}")
        # A page may paint the digit a frame after the board.
        digit = lambda: contrast(*ground_and_ink(hands.shot().area(box[0] + 3, box[1] + 3,
                                                                   box[2] - 3, box[3] - 3)))
        until(f"{look.name}: the turn digit standing out by 4.5 : 1, at most",
              lambda: min(round(digit(), 2), 4.5), 4.5)
        shown = digit()
        hands.click(*point(CELLS[4]))
        until(f"{look.name}: the board", lambda: board(hands.shot(), hands.scale), ".../.X./...")
        if look.density > 1 and hands.rendition(4) != "@4x":
            fail(f"{look.name}: the marks are not drawn from their large rendition")
        # Around the mark's tile, which spans x 18 to 97 and y 5 to 100 of its cell, the board.
        for strip in [(0, 0, 15, 104), (99, 0, 112, 104), (0, 0, 112, 3), (0, 102, 112, 104)]:
            strip = [scaled(c + o, hands.scale) for c, o in zip(strip, rect(CELLS[4])[:2] * 2)]
            if look.board and set(hands.shot().area(*strip)) != {ground}:
                fail(f"{look.name}: a marked cell shows other colours than the board's at {strip}")
        driver.stop()
        print(f"{look.name}: laid out on a light board, the turn digit at {shown:.2f} : 1")


def broken(driver):
    hands = driver.start(broken=True)
    if not hasattr(driver, "status"):  # a page cannot end: it says why, in place of the board
        until("the page's words", hands.words,
              "This browser cannot run ZORBELKIN: it needs JavaScript and WebAssembly.")
        print("a broken wasm gives one sentence in place of the board")
        return
    if driver.reads_marks_late:
        hands.click(*point(CELLS[0]))
    until("a box or the end", lambda: "ZORBELKIN" in hands.windows() or driver.status() is not None,
          seconds=60)
    opened = not driver.reads_marks_late and "ZOR BEL KIN" in hands.windows()
    if driver.status() is not None or opened:
        fail(f"the program ended ({driver.status()}) or showed its window: {driver.log()}")
    until("the error written", lambda: "not a PNG file of a sensible size" in driver.log()
          and "cannot recover" in driver.log())
    hands.key("Return")
    until("the status once the box is closed", driver.status, 1, 30)
    print("a broken picture gives an error box, and then status 1")


PROGRAMS = {"qt": desktop.Qt, "wine": desktop.Wine, "chromium": browser.Chromium,
            "firefox": browser.Firefox, "webkit": browser.WebKit}


def main():
    story, program, *arguments = sys.argv[1:]
    driver = PROGRAMS[program](*arguments)
    try:
        {"play": play, "looks": looks, "broken": broken}[story](driver)
        if story != "broken" and getattr(driver, "errors", list)():
            fail(f"the program logged errors: {driver.errors()}")
    finally:
        driver.end()
        desktop.end_private_bus()
    print(f"PASS: {story} on {program}")


if __name__ == "__main__":
    main()
