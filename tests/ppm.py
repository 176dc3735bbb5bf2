# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Reads the binary PPM pictures that ImageMagick's convert writes for the display tests."""
import sys


def read_ppm(path):
    """Returns width, height and the pixels as columns: pixels[x][y] is the bytes r, g, b."""
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos : pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end : end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit(f"{path}: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1 :]
    return width, height, [[pixels[3 * (y * width + x) : 3 * (y * width + x) + 3]
                            for y in range(height)] for x in range(width)]
