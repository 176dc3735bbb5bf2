# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""The game as a player and a screen reader meet it, told once and played on every program
through that program's driver: its hands give real input, its eyes read what a screen reader
gets. A driver knows how to start, work, read and end its program, and no rule of the game.

Usage: story.py play|looks|broken PROGRAM ARGS...
  play    the fresh window against the layout, the reader's tree against the spoken table, and a
          game: moves, clicks that play nothing, lines with their boxes and points, a typed
          score, New Game and the keys
  looks   the fresh window in each of the program's looks and densities: laid out, a light
          board, a readable turn digit and titles, marks on the board's colour
  broken  a copy of the program whose mark picture is broken: an error box, then status 1
PROGRAM ARGS: qt GAME SPOKEN_TABLE | wine GAME.exe MSAA_CLIENT.exe SPOKEN_TABLE.exe
              | chromium SITE NODE SPOKEN_TABLE.js
"""
import importlib
import sys

from kit import contrast, fail, ground_and_ink, until

PLACES = ["top left", "top", "top right", "left", "centre", "right",
          "bottom left", "bottom", "bottom right"]
# The layout in twips, 15 to the pixel at 96 dots per inch, written out again so that a control
# moved in the program's table shows: the grid lines (left, top, length across, length down,
# width in pixels), the cells' columns and rows and size, the captions (words, centred) and the
# boxed controls by their spoken names.
LINES = [(2400, 360, 0, 5640, 5), (4560, 360, 0, 5640, 5),
         (480, 2160, 6000, 0, 5), (480, 4200, 6000, 0, 5)]
CELL_LEFTS, CELL_TOPS, CELL_SIZE = (480, 2640, 4800), (360, 2400, 4440), (1695, 1575)
CAPTIONS = {(720, 0, 1215, 255): ("ZOR", True), (2880, 0, 1215, 255): ("BEL", True),
            (5040, 0, 1215, 255): ("KIN", True), (1920, 6120, 615, 255): ("Player1", False),
            (4560, 6120, 615, 255): ("Player 2", False),
            (3120, 6120, 855, 495): ("Player's Turn", True)}
BOXES = {"Player to move": (3360, 6600, 375, 285), "New Game": (840, 6240, 735, 495),
         "Player 1 score": (1920, 6360, 615, 375), "Player 2 score": (4560, 6360, 615, 375)}
WIDTH, HEIGHT = 470, 459
GAPS = [(160, 90), (150, 80), (100, 150), (460, 300)]  # a grid line, then three gaps


def scaled(pixels, scale):
    """A length in pixels at 96 dots per inch, at a scale, rounded half up as the programs do."""
    return int(pixels * scale + 0.5)


def px(twips, scale=1):
    return scaled(twips / 15, scale)


def rect(twips, scale=1):
    """(left, top, right, bottom) in pixels, inclusive."""
    left, top = px(twips[0], scale), px(twips[1], scale)
    return left, top, left + px(twips[2], scale) - 1, top + px(twips[3], scale) - 1


def cell_twips(i):
    return (CELL_LEFTS[i % 3], CELL_TOPS[i // 3]) + CELL_SIZE


def middle(twips):
    return px(twips[0] + twips[2] // 2), px(twips[1] + twips[3] // 2)


def cell_point(i, x=56, y=52):
    return px(cell_twips(i)[0]) + x, px(cell_twips(i)[1]) + y


def named(cell, mark):
    return f"{PLACES[cell]}, {mark}"


def geometry(shot, scale):
    """What differs from the layout in a fresh window's picture, in a way that holds for any
    release's fonts: the ground is bare outside the controls, the grid lines are solid and exactly
    where and as wide as laid out, the cells are empty, each caption's words show in their place
    (centred where laid out so) and read, and each boxed control fills its rectangle and shows
    something inside. The ground and ink are the picture's own."""
    ground = shot.pixel(2, 2)
    line = shot.pixel(px(LINES[0][0], scale), px(LINES[0][1], scale) + 5)
    within = lambda x, y, r: r[0] <= x <= r[2] and r[1] <= y <= r[3]

    def ink(r, behind=()):
        """The bounding box of what differs from the ground in r, but for what lies in behind."""
        found = [(x, y) for y in range(r[1], r[3] + 1) for x in range(r[0], r[2] + 1)
                 if shot.pixel(x, y) != ground and not any(within(x, y, b) for b in behind)]
        xs, ys = [x for x, _ in found], [y for _, y in found]
        return (min(xs), min(ys), max(xs), max(ys)) if found else None

    def line_rect(left, top, across, down, width):
        thick, (left, top, right, bottom) = scaled(width, scale), rect((left, top, across, down), scale)
        if across:
            return left, top - thick // 2, right, top - thick // 2 + thick - 1
        return left - thick // 2, top, left - thick // 2 + thick - 1, bottom

    lines = [line_rect(*ln) for ln in LINES]
    cells = [rect(cell_twips(i), scale) for i in range(9)]
    captions = {rect(r, scale): said for r, said in CAPTIONS.items()}
    boxes = {name: rect(r, scale) for name, r in BOXES.items()}
    laid_out = lines + cells + list(captions) + list(boxes.values())
    faults = []
    stray = [(x, y) for y in range(shot.height) for x in range(shot.width)
             if shot.pixel(x, y) != ground and not any(within(x, y, r) for r in laid_out)]
    if stray:
        faults.append(f"{len(stray)} pixels outside every control, the first at {stray[0]}")
    faults += [f"the grid line {r} is not solid" for r in lines if set(shot.area(*r)) != {line}]
    faults += [f"cell {i} is not empty" for i, r in enumerate(cells) if ink(r)]
    tolerance = scaled(3, scale)
    for r, (words, centred) in captions.items():
        seen = ink(r, boxes.values())
        if not seen:
            faults.append(f'"{words}" does not show')
            continue
        if max(contrast(c, ground) for c in shot.area(*seen)) < 4.5:
            faults.append(f'"{words}" does not stand out from the ground by 4.5 : 1')
        left, right = seen[0] - r[0], r[2] - seen[2]
        if (abs(left - right) if centred else left) > tolerance:
            faults.append(f'"{words}" lies {left} pixels from its left, {right} from its right')
    for name, r in boxes.items():
        seen, margin = ink(r), scaled(4, scale)
        if not seen or any(abs(a - b) > scaled(1, scale) for a, b in zip(seen, r)):
            faults.append(f"{name} does not fill {r}: it shows at {seen}")
        elif contrast(*ground_and_ink(shot.area(r[0] + margin, r[1] + margin, r[2] - margin,
                                                r[3] - margin))) < 3:
            faults.append(f"{name} shows no text")
    return faults


def board(shot, scale):
    """The marks as "XO./.X./..X": a mark's teal panel shows at (74, 30) in its cell, with white
    strokes at the middle for X and teal for O; a cell cut off by a small window reads '-'."""
    marks = ""
    for i in range(9):
        panel, centre = (tuple(scaled(c, scale) for c in cell_point(i, *at))
                         for at in ((74, 30), (56, 52)))
        if panel[0] >= shot.width or centre[1] >= shot.height:
            marks += "-"
        elif shot.pixel(*panel) != bytes((0, 132, 132)):
            marks += "."
        else:
            marks += {bytes((255, 255, 255)): "X", bytes((0, 132, 132)): "O"}.get(
                shot.pixel(*centre), "?")
    return "/".join(marks[i:i + 3] for i in (0, 3, 6))


class Game:
    """One program under the story, with what the story remembers of its reader's view."""

    def __init__(self, driver):
        self.driver, self.hands = driver, driver.start(reader=True)
        self.eyes, self.cells, self.moves = None, [], []

    def shows(self, marks):
        until("the board shows", lambda: board(self.hands.shot(), self.hands.scale), marks)

    def controls(self):
        return {c.name: c for c in self.eyes.controls()}

    def told(self, i):
        return self.eyes.controls()[self.cells[i]].told

    def value(self, name):
        return self.controls()[name].value

    def focused(self):
        return [c.name for c in self.eyes.controls() if c.focused]

    def box(self):
        """The open box's caption, and whether it says "You Win!!" with an OK button."""
        box = self.eyes.box()
        return box and (box[0], {"You Win!!", "OK"} <= box[1])

    def move(self, cell, mark, reader=False):
        """Plays a free cell with the hands or through the reader, where its eyes can press;
        the reader hears its new name, and the cell is then unavailable."""
        if reader and self.eyes.press:
            self.eyes.press(self.eyes.controls()[self.cells[cell]])
        else:
            self.hands.click(*cell_point(cell))
        now = named(cell, mark)
        until(f'the announcement of "{now}"', lambda: now in self.eyes.heard())
        until("the used cell", lambda: self.told(cell), f"push button\t{now}\tunavailable\t")
        self.moves.append(now)

    def line(self, cells, scores, name="Player 1 score"):
        """Plays cells, the last completing one or more lines: a box for each, the point after
        it, each box closed by Enter; meanwhile the board is deaf, to the hands and the reader."""
        *first, last = cells
        for cell, mark in first:
            self.move(cell, mark)
            if self.box():
                fail(f"a box came after {named(cell, mark)}")
        deaf = next((i for i in range(9) if i != last[0] and named(i, "empty") in self.told(i)),
                    None)
        self.hands.click(*cell_point(last[0]))
        for score in scores:
            until("the box", self.box, ("ZORBELKIN", True))
            until(f"{name} while the box is open", lambda: self.value(name), str(score - 1))
            if deaf is not None:
                self.hands.click(*cell_point(deaf))
            if deaf is not None and self.eyes.press:
                self.eyes.press(self.eyes.controls()[self.cells[deaf]])
            self.hands.key("Return")
            until(f"{name} once the box is closed", lambda: self.value(name), str(score))
        until("the last box closed", self.box, None)
        self.moves.append(named(*last))
        if deaf is not None and not self.told(deaf).startswith(f"push button\t{named(deaf, 'empty')}\t"):
            fail(f"a click or press while a box was open played: {self.told(deaf)}")

    def no_holder(self):
        if "Form2" in self.hands.windows():
            fail('a window titled "Form2" shows')


def read_tree(game, table):
    """The reader's tree against the spoken table, the cells' names against their places, and
    what lies under each cell."""
    controls = game.eyes.controls()
    told = [c.told for c in controls]
    if told != table:
        fail("the reader's tree differs from the table: " + "; ".join(
            f"told {t!r}, not {e!r}" for t, e in zip(told + ["-"] * 9, table + ["-"] * 9) if t != e))
    names = [c.name for c in controls]
    game.cells = [names.index(named(i, "empty")) for i in range(9)]
    places = [controls[i].place for i in game.cells]
    corners = [(top, left) for left, top, _, _ in places]
    if sorted(corners) != corners:
        fail(f"the cells' names do not follow their places: {places}")
    for i, (left, top, width, height) in enumerate(places):
        for point in [(left + width // 2, top + height // 2), (left + 1, top + 1),
                      (left + width - 2, top + height - 2)]:
            if any(name != named(i, "empty") for name in game.eyes.at(*point)):
                fail(f"at {point} lies {game.eyes.at(*point)}, not the cell {named(i, 'empty')}")
    print(f"the reader's {len(told)} controls are the table's; each cell lies under its name")


def play(driver):
    game = Game(driver)
    hands = game.hands
    size = (hands.shot().width, hands.shot().height)
    if size != (scaled(WIDTH, hands.scale), scaled(HEIGHT, hands.scale)):
        fail(f"the window is {size}, not {WIDTH} x {HEIGHT} at a scale of {hands.scale}")
    until("the fresh window against the layout", lambda: geometry(hands.shot(), hands.scale), [])
    game.shows(".../.../...")
    game.no_holder()
    if "ZOR BEL KIN" not in hands.windows():
        fail(f'no window titled "ZOR BEL KIN": {hands.windows()}')
    if getattr(driver, "install_errors", list)():
        fail(f"the game does not install as an app: {driver.install_errors()}")
    lazy = set(getattr(driver, "lazy_libraries", ()))
    if lazy and lazy & driver.libraries():
        fail(f"before a reader asks, the program has loaded {lazy & driver.libraries()}")
    print(f"the fresh window is laid out, at {size[0]} x {size[1]} pixels")

    game.eyes = driver.eyes()
    read_tree(game, driver.table())
    until("the focus at start", game.focused, ["New Game"])
    game.move(4, "X")
    for x, y in [cell_point(4), cell_point(4, 0, 0), cell_point(4, 112, 104)] + GAPS:
        hands.click(x, y)
    # A press on a free cell dragged off it, and one in a gap released on it, play nothing.
    for pointer in hands.pointers:
        hands.drag(*cell_point(8), *GAPS[-1], pointer)
        hands.drag(*GAPS[-1], *cell_point(8), pointer)
    hands.click(*cell_point(0, 5, 5))
    game.shows("O../.X./...")
    game.moves.append(named(0, "O"))
    if lazy and not lazy <= driver.libraries():
        fail(f"once a mark showed, the program had not loaded {lazy - driver.libraries()}")
    print("used cells, grid lines, gaps and drags play nothing; the reader hears each move")

    game.move(1, "X", reader=True)
    game.line([(2, "O"), (7, "X")], [1])
    hands.click(*middle(BOXES["Player 2 score"]))
    hands.key("ctrl+a")
    hands.type("41")
    game.line([(3, "O"), (5, "X"), (6, "O")], [42], "Player 2 score")
    game.shows("OXO/OXX/OX.")
    game.no_holder()
    print("X's column and O's typed score: a box each, the point after it, the board deaf")

    heard = len(game.eyes.heard())
    hands.drag(*middle(BOXES["New Game"]), 20, 432, "mouse")
    game.shows("OXO/OXX/OX.")
    until("the focus after a press dragged off New Game", game.focused, ["New Game"])
    hands.key("Return")
    game.shows(".../.../...")
    emptied = {named(i, "empty") for i in range(8)}
    renamed = until("the renamed cells", lambda: {n for n in game.eyes.heard()[heard:]},
                    emptied if game.eyes.announces_renames else set())
    if len(game.eyes.heard()[heard:]) != len(renamed):
        fail(f"New Game announced a cell twice: {game.eyes.heard()[heard:]}")
    said = [n for n in game.eyes.heard()[:heard] if n.split(",")[0] in PLACES]
    if said != game.moves:
        fail(f"the reader heard {said}, not each move once: {game.moves}")
    print("New Game, pressed by Enter, renames only the cells it empties")

    for key, focus in [("Tab", "Player 1 score"), ("Tab", "Player 2 score"), ("Tab", "New Game"),
                       ("shift+Tab", "Player 2 score"), ("shift+Tab", "Player 1 score")]:
        hands.key(key)
        until(f"the focus after {key}", game.focused, [focus])
    game.move(4, "X")
    hands.key("Return")
    hands.key("shift+Tab")
    game.shows(".../.X./...")
    for key in ("space", "Return"):
        hands.key(key)
        game.shows(".../.../...")
        game.move(4, "X")
    print("Tab and Shift+Tab run New Game, the scores; Space and Enter press New Game alone")

    hands.key("Return")
    game.line([(1, "X"), (4, "O"), (2, "X"), (5, "O"), (3, "X"), (8, "O"), (6, "X"), (7, "O"),
               (0, "X")], [2, 3])
    game.shows("XXX/XOO/XOO")
    print("one move that completes two lines: two boxes, each before its point")

    if hasattr(hands, "resize"):
        for width, height, marks in [(700, 560, "XXX/XOO/XOO"), (300, 250, "XX-/XO-/---")]:
            hands.resize(width, height)
            game.shows(marks)
        print("resizing the window moves nothing")
    if hasattr(driver, "offline"):
        driver.offline()
        game.hands.click(*cell_point(8))
        game.shows(".../.../..X")
        print("once loaded, the game plays offline")
    game.no_holder()
    driver.stop()


def looks(driver):
    for look in driver.looks:
        hands = driver.start(look)
        if look.screen:
            if scaled(WIDTH, hands.scale) > look.screen * look.density:
                fail(f"{look.name}: the board is wider than the screen, at a scale of {hands.scale}")
        else:
            until(f"{look.name}: the fresh window", lambda: geometry(hands.shot(), hands.scale), [])
        shot = hands.shot()
        ground = shot.pixel(2, 2)
        if contrast(ground, b"\0\0\0") < 7 or look.board and ground != bytes(look.board):
            fail(f"{look.name}: the board is {tuple(ground)}, not light and {look.board}")
        digit = rect(BOXES["Player to move"], hands.scale)
        digit = contrast(*ground_and_ink(shot.area(digit[0] + 3, digit[1] + 3, digit[2] - 3,
                                                   digit[3] - 3)))
        if digit < 4.5:
            fail(f"{look.name}: the turn digit stands out by only {digit:.2f} : 1")
        hands.click(*cell_point(4))
        until(f"{look.name}: the board", lambda: board(hands.shot(), hands.scale), ".../.X./...")
        if look.density > 1 and hands.rendition(4) != "@4x":
            fail(f"{look.name}: the marks are not drawn from their large rendition")
        if look.board:
            # The mark's tile spans x 18 to 97 and y 5 to 100 of the cell: around it, the board.
            left, top = (scaled(c, hands.scale) for c in cell_point(4, 0, 0))
            for x, y, right, bottom in [(0, 0, 15, 104), (99, 0, 112, 104), (0, 0, 112, 3),
                                        (0, 102, 112, 104)]:
                strip = hands.shot().area(*(scaled(c, hands.scale) + o for c, o in
                                            zip((x, y, right, bottom), (left, top) * 2)))
                if set(strip) != {ground}:
                    fail(f"{look.name}: a marked cell shows other colours than the board's at {x}, {y}")
        driver.stop()
        print(f"{look.name}: laid out on a light board, the turn digit at {digit:.2f} : 1")


def broken(driver):
    hands = driver.start(broken=True)
    if driver.reads_marks_late:
        hands.click(*cell_point(0))
    until("a box or the end", lambda: "ZORBELKIN" in hands.windows() or driver.status() is not None,
          seconds=60)
    if driver.status() is not None:
        fail(f"the program ended with status {driver.status()} and no box: {driver.log()}")
    if not driver.reads_marks_late and "ZOR BEL KIN" in hands.windows():
        fail("the game's window opened although its picture is broken")
    until("the error written", lambda: "not a PNG file of a sensible size" in driver.log()
          and "cannot recover" in driver.log())
    hands.key("Return")
    until("the status once the box is closed", driver.status, 1, 30)
    print("a broken picture gives an error box, and then status 1")


# Each program's driver: its module and class.
PROGRAMS = {"qt": ("desktop", "Qt"), "wine": ("desktop", "Wine"), "chromium": ("browser", "Chromium")}


def main():
    story, program, *arguments = sys.argv[1:]
    module, name = PROGRAMS[program]
    driver = getattr(importlib.import_module(module), name)(*arguments)
    try:
        {"play": play, "looks": looks, "broken": broken}[story](driver)
        if getattr(driver, "errors", list)():
            fail(f"the program logged errors: {driver.errors()}")
    finally:
        driver.end()
    print(f"PASS: {story} on {program}")


if __name__ == "__main__":
    main()
