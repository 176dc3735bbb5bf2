# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Times the browser program from navigation to the full board on screen, against a plain page
that shows the same 32 controls without script or wasm, and against the floor of any page that
a wasm program builds, in the same headless Chromium; and weighs the static site as a server
that compresses would send it.

Usage: /usr/bin/python3 bench/web_first_board.py [TREE [ROUNDS]]   (TREE: build/wasm, ROUNDS: 25)
TREE is the web preset's CMake tree, whose site is build/web.

The plain page is the game's own board as Chromium built it, saved as HTML with the same style
sheet and the game's own rules for its controls. The floor is the game's page with
bench/web_floor in the game's place, which puts one word on it. The pages are loaded in turn,
every file fetched again from the local server (no HTTP cache, no worker); the time is Chromium's first contentful paint, which for the game and
the plain page is the whole board, since neither shows anything before it.
"""
import gzip
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests"))
from browser import Page  # noqa: E402


def first_paint(page, url):
    page.driver.get(url)
    page.until(lambda: page.js("return performance.getEntriesByName("
                               "'first-contentful-paint').length") == 1, f"no paint of {url}")
    return page.js("return performance.getEntriesByName('first-contentful-paint')[0].startTime")


def main():
    tree = sys.argv[1] if len(sys.argv) > 1 else "build/wasm"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 25
    site = os.path.join(tree, "..", "web")
    sizes = {os.path.relpath(os.path.join(folder, name), site):
             len(gzip.compress(open(os.path.join(folder, name), "rb").read(), 9))
             for folder, _, names in os.walk(site) for name in names}
    with tempfile.TemporaryDirectory() as served:
        shutil.copytree(site, served, dirs_exist_ok=True)
        page = Page(served)
        try:
            plain = page.js("""const copy = document.documentElement.cloneNode(true);
                copy.querySelectorAll('script, dialog, meta[http-equiv]').forEach(e => e.remove());
                const style = document.createElement('style');
                style.textContent = [...document.adoptedStyleSheets]
                    .flatMap(sheet => [...sheet.cssRules].map(rule => rule.cssText)).join('\\n');
                copy.querySelector('head').append(style);
                return '<!DOCTYPE html>\\n' + copy.outerHTML;""")
            with open(os.path.join(served, "plain.html"), "w") as f:
                f.write(plain)
            for name in ("web_floor.js", "web_floor.wasm"):
                shutil.copy(os.path.join(tree, "bench", name), served)
            with open(os.path.join(site, "index.html")) as game, \
                    open(os.path.join(served, "floor.html"), "w") as floor:
                floor.write(game.read().replace("zorbelkin.js", "web_floor.js")
                            .replace("zorbelkin.wasm", "web_floor.wasm"))
            page.cdp("Network.enable")
            page.cdp("Network.setCacheDisabled", cacheDisabled=True)
            page.cdp("Network.setBypassServiceWorker", bypass=True)
            pages = {"game": "", "plain": "plain.html", "floor": "floor.html"}
            times = {name: [] for name in pages}
            for _ in range(rounds):
                for name, path in pages.items():
                    times[name].append(first_paint(page, page.url + path))
        finally:
            page.close()
    game, plain, floor = (statistics.median(times[k]) for k in ("game", "plain", "floor"))
    print(f"first board, median of {rounds} alternated loads: game {game:.1f} ms, "
          f"plain page {plain:.1f} ms, floor {floor:.1f} ms; game/plain {game / plain:.2f}, "
          f"floor/plain {floor / plain:.2f}, game/floor {game / floor:.2f}")
    for name, size in sorted(sizes.items(), key=lambda item: -item[1]):
        print(f"  {size:7d}  {name}")
    print(f"site compressed with gzip -9: {sum(sizes.values())} bytes "
          f"({sum(sizes.values()) / 1024:.1f} KiB) in {len(sizes)} files")


if __name__ == "__main__":
    main()
