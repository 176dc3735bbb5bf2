# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Measures how well the text in a box cut from a screenshot stands out from the box.

Usage: text_contrast.py BOX.ppm
Prints the box's ground (its commonest colour), its ink (the pixel that differs most from the
ground in contrast) and the contrast of the two by WCAG 2.1, as
"ground R,G,B ink R,G,B contrast N.NN". Exit status 1 if the box holds one colour only.
"""
import sys
from collections import Counter

from ppm import read_ppm


def luminance(rgb):
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def ground_and_ink(columns):
    """The commonest colour of a picture's columns, and the one that stands out most from it."""
    counts = Counter(bytes(pixel) for column in columns for pixel in column)
    ground = counts.most_common(1)[0][0]
    return ground, max(counts, key=lambda colour: contrast(colour, ground))


def main():
    ground, ink = ground_and_ink(read_ppm(sys.argv[1])[2])
    show = lambda colour: ",".join(str(c) for c in colour)
    print(f"ground {show(ground)} ink {show(ink)} contrast {contrast(ground, ink):.2f}")
    return 0 if ink != ground else 1


if __name__ == "__main__":
    sys.exit(main())
