# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""What the story and its drivers share: failing, skipping, bounded waits, what a reader is told
of a control, and pictures with their contrast by WCAG 2.1."""
import os
import shutil
import sys
import time
from collections import Counter, namedtuple

# A control as a screen reader gets it: its table line (role, name, states and action, apart by
# tabs), its name and value, its place on the screen as (left, top, width, height), whether it
# has the focus, and the reader's own handle to it.
Control = namedtuple("Control", "told name value place focused handle")
# One of a program's looks: its name, the colour its board must take (or None), the program's
# own setting for it, and for a browser the density and width in CSS pixels of its screen.
Look = namedtuple("Look", "name board setting density screen", defaults=(None, None, 1, None))


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def need(tool, package):
    """A missing tool skips the test (status 77), except in CI, where everything must run."""
    if shutil.which(tool) or os.path.exists(tool):
        return
    if os.environ.get("CI") == "true":
        fail(f"{tool} is missing: install Debian's {package}")
    print(f"SKIP: {tool} is missing: install Debian's {package} to run this test")
    sys.exit(77)


def until(what, probe, expected=True, seconds=10):
    """Polls probe until it gives expected, and fails with what it last gave once time is up."""
    deadline = time.monotonic() + seconds
    while (seen := probe()) != expected:
        if time.monotonic() > deadline:
            fail(f"{what}: {seen!r}, expected {expected!r}")
        time.sleep(0.05)
    return seen


def found(what, probe, seconds=10):
    """Polls probe until it gives something, and gives that."""
    seen = [None]
    until(what, lambda: bool(seen.append(probe()) or seen[-1]), True, seconds)
    return seen[-1]


class Shot:
    """A picture of what the player sees, from ImageMagick's binary PPM, a pixel bytes r, g, b."""

    def __init__(self, ppm):
        _, size, _, self.data = ppm.split(b"\n", 3)
        self.width, self.height = map(int, size.split())

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return self.data[at:at + 3]

    def area(self, left, top, right, bottom):
        """The pixels of a rectangle, inclusive, clipped to the picture."""
        return [self.pixel(x, y) for y in range(max(top, 0), min(bottom + 1, self.height))
                for x in range(max(left, 0), min(right + 1, self.width))]


def luminance(rgb):
    r, g, b = (c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
               for c in (channel / 255 for channel in rgb))
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def ground_and_ink(pixels):
    """The commonest colour of some pixels, and the one that stands out most from it."""
    counts = Counter(bytes(pixel) for pixel in pixels)
    ground = counts.most_common(1)[0][0]
    return ground, max(counts, key=lambda colour: contrast(colour, ground))
