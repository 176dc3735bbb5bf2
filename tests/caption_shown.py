# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Tells whether a title bar shows a caption in full, by finding in it the caption as the same
window manager draws it on a wide window.

Usage: caption_shown.py WIDE.ppm TITLE_BAR.ppm
Both are title bars, cut from screenshots at the same height, of active windows with the same
caption. On the wide window the caption is centred with room to spare; its columns are those of
the middle half that differ from the plain label ground. Exit status 0 if TITLE_BAR holds those
columns, 1 if not.
"""
import sys

from ppm import read_ppm

TOLERANCE = 24


def same(a, b):
    return all(abs(p - q) <= TOLERANCE for pa, pb in zip(a, b) for p, q in zip(pa, pb))


def main():
    wide_width, wide_height, wide = read_ppm(sys.argv[1])
    width, height, bar = read_ppm(sys.argv[2])
    if height != wide_height:
        sys.exit(f"title bars of different heights: {wide_height} and {height}")
    ground = wide[wide_width * 3 // 10]
    middle = range(wide_width // 4, wide_width * 3 // 4)
    ink = [x for x in middle if not same(wide[x], ground)]
    if not ink:
        sys.exit("no caption found on the wide window")
    caption = wide[ink[0] - 1 : ink[-1] + 2]
    for left in range(width - len(caption) + 1):
        if all(same(column, bar[left + i]) for i, column in enumerate(caption)):
            print(f"caption of {len(caption)} columns found at x = {left}")
            return 0
    print(f"caption of {len(caption)} columns not found in a title bar {width} wide")
    return 1


sys.exit(main())
