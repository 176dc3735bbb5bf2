# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Finds a window's close button on its title bar: the rightmost grey shape darker than the bar
in the bar's right quarter, where the window buttons lie, its columns being the rightmost run of
columns that hold such a pixel. The shape is dark on an active window and a pale grey on an
inactive one. The compositor's coloured ground, which shows past a rounded corner and blends into
its edge, does not count.

Usage: close_button.py TITLE_BAR.ppm
Prints the middle of the shape as "X Y" in the bar's pixels; exit status 1 if the bar holds no
such shape, or one too large for a button.
"""
import sys

from collections import Counter

from kit import Shot


def main():
    with open(sys.argv[1], "rb") as f:
        bar = Shot(f.read())
    width, height = bar.width, bar.height
    ground = sum(Counter(bar.area(0, 0, width - 1, height - 1)).most_common(1)[0][0])
    darker_grey = lambda rgb: max(rgb) - min(rgb) < 24 and sum(rgb) < ground - 3 * 24
    dark = [[y for y in range(height) if darker_grey(bar.pixel(x, y))] for x in range(width)]
    columns = [x for x in range(width * 3 // 4, width) if dark[x]]
    if not columns:
        return 1
    right = columns[-1]
    left = right
    while left > width * 3 // 4 and dark[left - 1]:
        left -= 1
    rows = [y for x in range(left, right + 1) for y in dark[x]]
    top, bottom = min(rows), max(rows)
    if right - left > 24 or bottom - top > 24:
        return 1
    print((left + right) // 2, (top + bottom) // 2)
    return 0


sys.exit(main())
