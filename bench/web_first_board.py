# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Times the browser program from navigation to the first and the largest paint of the board and
to the moment the board answers a click, against a plain page that shows the same board without
script or wasm, and against the floor of any page that a wasm program takes over, in one
Chromium and in one Firefox; and weighs the static site as a server that compresses would send
it.

Usage: /usr/bin/python3 bench/web_first_board.py [TREE [ROUNDS]]   (TREE: build/wasm, ROUNDS: 25)
TREE is the web preset's CMake tree, whose site is build/web.

The plain page is the game's own page without its scripts. The floor is the game's page with
bench/web_floor in the game's place, which puts one word on it once it runs. The pages are loaded
in turn, every file fetched again from the local server (no HTTP cache, no worker). The board
answers a click once the program has taken it over (the page's root is marked as running); the
floor, once its word is there.
"""
import gzip
import os
import shutil
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests"))
import browser  # noqa: E402
from kit import Look, found  # noqa: E402

# Run before each page's own scripts: the time at which the program takes over the page, or the
# floor puts its word on it.
READY = """new MutationObserver((changes, seen) => {
    const word = document.body?.lastChild;
    if (document.documentElement.dataset.running || word?.nodeValue === "ZORBELKIN") {
        window.ready = performance.now();
        seen.disconnect();
    }
}).observe(document, {subtree: true, childList: true, attributes: true,
                      attributeFilter: ["data-running"]});"""
PAINTS = """const paint = performance.getEntriesByName('first-contentful-paint')[0];
    const largest = performance.getEntriesByType('largest-contentful-paint').at(-1)
        ?? window.largest;
    return paint && [paint.startTime, largest?.startTime ?? null, window.ready ?? null];"""


def measure(page, url):
    page.navigate(url)
    page.js("""new PerformanceObserver(list => { window.largest = list.getEntries().at(-1); })
        .observe({type: 'largest-contentful-paint', buffered: true});""")
    scripted = not url.endswith("plain.html")
    return found(f"the paints of {url}", lambda: (
        seen := page.js(PAINTS)) and (seen[2] is not None or not scripted) and seen)


def pages(site, tree):
    """The plain page and the floor, written beside the game's."""
    with open(os.path.join(site, "index.html")) as f:
        game = f.read()
    plain = [line for line in game.splitlines(True)
             if not line.startswith("<script")]
    with open(os.path.join(site, "plain.html"), "w") as f:
        f.write("".join(plain))
    for name in ("web_floor.js", "web_floor.wasm"):
        shutil.copy(os.path.join(tree, "bench", name), site)
    with open(os.path.join(site, "floor.html"), "w") as f:
        f.write(game.replace('data-program="zorbelkin"', 'data-program="web_floor"'))
    return {"game": "", "plain": "plain.html", "floor": "floor.html"}


def chromium(site):
    page = browser.Chromium(site)
    page.launch(Look("", None, []))
    page.setting = []
    page.view(*browser.SCREEN, Look("", None, browser.LIGHT))
    page.cdp("Network.enable")
    page.cdp("Network.setCacheDisabled", cacheDisabled=True)
    page.cdp("Network.setBypassServiceWorker", bypass=True)
    page.cdp("Page.addScriptToEvaluateOnNewDocument", source=READY)
    return page


def firefox(site):
    page = browser.Firefox(site)
    look = Look("", None, {"dom.serviceWorkers.enabled": False})
    page.launch(look)
    page.setting = look.setting
    page.view(*browser.SCREEN, look)
    page.call("network.setCacheBehavior", cacheBehavior="bypass")
    page.call("script.addPreloadScript", functionDeclaration=f"() => {{ {READY} }}")
    return page


def report(engine, rounds, times):
    """The medians of each page's times, and the game's against the plain page's or the floor's."""
    def median(name, i):
        seen = [t[i] for t in times[name] if t[i] is not None]
        return statistics.median(seen) if len(seen) == rounds else None

    print(f"{engine}, medians of {rounds} alternated loads:")
    for what, i, other in [("first paint", 0, "plain"), ("largest paint", 1, "plain"),
                           ("answers a click", 2, "floor")]:
        game, against = median("game", i), median(other, i)
        shown = [f"{t:.1f} ms" if t else "not reported" for t in (game, against)]
        ratio = f" ({game / against:.2f})" if game and against else ""
        print(f"  {what}: game {shown[0]}, {other} {shown[1]}{ratio}")


def main():
    tree = sys.argv[1] if len(sys.argv) > 1 else "build/wasm"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 25
    site = os.path.join(tree, "..", "web")
    sizes = {os.path.relpath(os.path.join(folder, name), site):
             len(gzip.compress(open(os.path.join(folder, name), "rb").read(), 9))
             for folder, _, names in os.walk(site) for name in names}
    for engine in (chromium, firefox):
        page = engine(site)
        try:
            urls = pages(page.site, tree)
            times = {name: [] for name in urls}
            for _ in range(rounds):
                for name, path in urls.items():
                    times[name].append(measure(page, page.url + path))
        finally:
            page.end()
        report(page.app, rounds, times)
    browser.desktop.end_private_bus()
    for name, size in sorted(sizes.items(), key=lambda item: -item[1]):
        print(f"  {size:7d}  {name}")
    print(f"site compressed with gzip -9: {sum(sizes.values())} bytes "
          f"({sum(sizes.values()) / 1024:.1f} KiB) in {len(sizes)} files")


if __name__ == "__main__":
    main()
