# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Checks a screenshot of a fresh game window against the window's layout, as a player sees it,
in a way that holds for any release's fonts and rasteriser: the ground is bare outside the
controls, the four grid lines are solid and exactly where and as wide as laid out, the cells are
empty, each caption's words lie in their place (centred where laid out so) and read, and each
text box and the button fill their rectangles and show something inside.

Usage: window_geometry.py SHOT.ppm DOTS_PER_INCH GROUND_RGB LINE_RGB
Prints what is wrong and exits with status 1, or prints a summary and exits with status 0.
"""
import sys

from ppm import read_ppm
from text_contrast import contrast

# The layout in twips, 15 to the pixel at 96 dots per inch: the grid lines (left, top, length
# across, length down, width in pixels at 96 dots per inch), the cells' columns and rows, the
# captions (rectangle, words, centred) and the boxed controls.
LINES = [(2400, 360, 0, 5640, 5), (4560, 360, 0, 5640, 5),
         (480, 2160, 6000, 0, 5), (480, 4200, 6000, 0, 5)]
CELL_LEFTS, CELL_TOPS, CELL_SIZE = (480, 2640, 4800), (360, 2400, 4440), (1695, 1575)
CAPTIONS = [((720, 0, 1215, 255), "ZOR", True), ((2880, 0, 1215, 255), "BEL", True),
            ((5040, 0, 1215, 255), "KIN", True), ((1920, 6120, 615, 255), "Player1", False),
            ((4560, 6120, 615, 255), "Player 2", False),
            ((3120, 6120, 855, 495), "Player's Turn", True)]
BOXES = [((3360, 6600, 375, 285), "the turn box"), ((840, 6240, 735, 495), "New Game"),
         ((1920, 6360, 615, 375), "player 1's score"), ((4560, 6360, 615, 375),
                                                         "player 2's score")]


def main():
    shot, dpi = sys.argv[1], int(sys.argv[2])
    ground, line_colour = (bytes(int(c) for c in arg.split(",")) for arg in sys.argv[3:5])
    width, height, pixels = read_ppm(shot)
    px = lambda twips: (twips * dpi + 720) // 1440
    scaled = lambda standard: (standard * dpi + 48) // 96
    faults = []

    def rect(twips):
        """(left, top, right, bottom) in pixels, inclusive, of a rectangle in twips."""
        left, top = px(twips[0]), px(twips[1])
        return left, top, left + px(twips[2]) - 1, top + px(twips[3]) - 1

    def line_rect(left, top, across, down, line_width):
        """A grid line's pixels: its length as laid out, and line_width across it, centred."""
        thick = scaled(line_width)
        left, top, right, bottom = rect((left, top, across, down))
        if across:
            return left, top - thick // 2, right, top - thick // 2 + thick - 1
        return left - thick // 2, top, left - thick // 2 + thick - 1, bottom

    def points(r):
        return ((x, y) for x in range(r[0], r[2] + 1) for y in range(r[1], r[3] + 1))

    def inside(x, y, r):
        return r[0] <= x <= r[2] and r[1] <= y <= r[3]

    def ink_box(r, behind=()):
        """The bounding box of what differs from the ground in r, leaving out the rectangles in
        behind, which lie in front of r; None where r is bare."""
        ink = [(x, y) for x, y in points(r) if pixels[x][y] != ground
               and not any(inside(x, y, b) for b in behind)]
        if not ink:
            return None
        xs, ys = [x for x, _ in ink], [y for _, y in ink]
        return min(xs), min(ys), max(xs), max(ys)

    lines = [line_rect(*line) for line in LINES]
    cells = [rect((left, top) + CELL_SIZE) for top in CELL_TOPS for left in CELL_LEFTS]
    captions = [(rect(r), words, centred) for r, words, centred in CAPTIONS]
    boxes = [(rect(r), name) for r, name in BOXES]
    laid_out = lines + cells + [r for r, _, _ in captions] + [r for r, _ in boxes]

    stray = [(x, y) for x in range(width) for y in range(height)
             if pixels[x][y] != ground and not any(inside(x, y, r) for r in laid_out)]
    if stray:
        faults.append(f"{len(stray)} pixels outside every control differ from the ground "
                      f"{sys.argv[3]}, the first at {stray[0]}")

    for r in lines:
        colours = {bytes(pixels[x][y]) for x, y in points(r)}
        if colours != {line_colour}:
            faults.append(f"the grid line at {r[:2]} to {r[2:]} is not solid {sys.argv[4]}: "
                          f"{len(colours)} colours")

    for i, r in enumerate(cells):
        if ink_box(r):
            faults.append(f"cell {i} is not empty on a fresh board")

    boxed = [r for r, _ in boxes]
    tolerance = scaled(3)
    for r, words, centred in captions:
        ink = ink_box(r, boxed)
        if not ink:
            faults.append(f'"{words}" does not show')
            continue
        darkest = max((pixels[x][y] for x, y in points(ink)), key=lambda c: contrast(c, ground))
        if contrast(darkest, ground) < 4.5:
            faults.append(f'"{words}" stands out from the ground by only '
                          f"{contrast(darkest, ground):.2f} : 1")
        left_margin, right_margin = ink[0] - r[0], r[2] - ink[2]
        if centred and abs(left_margin - right_margin) > tolerance:
            faults.append(f'"{words}" is not centred in its place: {left_margin} pixels to its '
                          f"left, {right_margin} to its right")
        if not centred and left_margin > tolerance:
            faults.append(f'"{words}" does not start at the left of its place, but {left_margin} '
                          "pixels in")

    edge = scaled(1)
    for r, name in boxes:
        ink = ink_box(r)
        if not ink or any(abs(a - b) > edge for a, b in zip(ink, r)):
            faults.append(f"{name} does not fill its rectangle {r[:2]} to {r[2:]}: it shows at "
                          f"{ink}")
            continue
        margin = scaled(4)
        inner = [pixels[x][y] for x in range(r[0] + margin, r[2] - margin + 1)
                 for y in range(r[1] + margin, r[3] - margin + 1)]
        face = max(set(inner), key=inner.count)
        if max(contrast(c, face) for c in inner) < 3:
            faults.append(f"{name} shows no text")

    for fault in faults:
        print(fault)
    if not faults:
        print(f"{len(lines)} grid lines, {len(cells)} empty cells, {len(captions)} captions and "
              f"{len(boxes)} boxed controls where they are laid out at {dpi} dots per inch")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
