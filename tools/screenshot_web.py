# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Takes the browser program's pictures, through the test drivers of tests/browser.py: each
engine at a desktop's screen and at a phone's held upright (WebKit: its narrowest window), in
the light and the dark scheme, after X in the centre and O top left; each page as its own PNG in
a folder, and all of them in one sheet, an engine a row.

Usage: tools/screenshot_web.py SITE_DIR FOLDER SHEET.png
"""
import base64
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests"))
import browser  # noqa: E402
from kit import until  # noqa: E402
from story import CELLS, board, point  # noqa: E402


def page_picture(page):
    """The whole page as the engine shows it, not the board alone."""
    if isinstance(page, browser.Firefox):
        return base64.b64decode(page.call("browsingContext.captureScreenshot",
                                          context=page.context)["data"])
    return page.driver.get_screenshot_as_png()


def main():
    site, folder, sheet = sys.argv[1:]
    os.makedirs(folder, exist_ok=True)
    pictures = []
    for engine in (browser.Chromium, browser.Firefox, browser.WebKit):
        page = engine(site)
        try:
            schemes = [look for look in page.looks if look.name.endswith(" scheme")]
            narrow = next(look for look in page.looks if look.screen)  # a phone, or near one
            phones = [look._replace(name=look.name.replace("scheme", "phone"),
                                    density=narrow.density, screen=narrow.screen)
                      for look in schemes]
            for look in schemes + phones:
                page.start(look)
                for cell in (4, 0):
                    page.click(*point(CELLS[cell]))
                until("the two marks", lambda: board(page.shot(), page.scale), "O../.X./...")
                path = os.path.join(folder, f"{engine.__name__.lower()}-"
                                    f"{look.name.replace(' ', '-')}.png")
                with open(path, "wb") as picture:
                    picture.write(page_picture(page))
                pictures.append((f"{engine.__name__}, {look.name}", path))
                print(f"screenshot: {path}")
        finally:
            page.end()
    labels = [arg for label, path in pictures for arg in ("-label", label, path)]
    subprocess.run(["montage", *labels, "-tile", "4x", "-geometry", "x420+8+8", "-depth", "8",
                    "-font", "DejaVu-Sans", "-pointsize", "16", sheet], check=True)
    print(f"sheet: {sheet}")


if __name__ == "__main__":
    main()
