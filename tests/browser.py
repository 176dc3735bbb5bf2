# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Plays the browser program in headless Chromium through WebDriver, as a player and a screen
reader would, from the static site as a web server serves it.

Usage: browser.py CHECK SITE NODE SPOKEN_TABLE
  layout         each control's box against the layout, at desktop size and scaled to a phone's,
                 and that the site installs as an app
  play           a full game with boxes and scores, drag-off, a touch tap, the keyboard, offline
  accessibility  Chromium's own accessibility tree against the shared spoken table
  colours        the board's colours in the light, dark and forced-colours schemes
SPOKEN_TABLE is the shared table's program, run with NODE. Exit status 77: Chromium, its driver
or Selenium is missing, outside CI.
"""
import functools
import http.server
import os
import subprocess
import sys
import tempfile
import threading

from ppm import read_ppm
from text_contrast import contrast, ground_and_ink
from window_geometry import BOXES, CAPTIONS, CELL_LEFTS, CELL_SIZE, CELL_TOPS, LINES

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.wait import WebDriverWait
except ImportError:
    print("needs Selenium: apt-get install python3-selenium")
    sys.exit(1 if os.environ.get("CI") == "true" else 77)

CHROMIUM, DRIVER = "/usr/bin/chromium", "/usr/bin/chromedriver"
px = lambda twips: (twips + 7) // 15


class Page:
    """The game in a fresh Chromium, served from SITE on a port of 127.0.0.1."""

    def __init__(self, site):
        handler = functools.partial(QuietHandler, directory=site)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--window-size=800,600"):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(DRIVER), options=options)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        self.open()

    def open(self):
        self.driver.get(self.url)
        self.until(lambda: self.js("return document.getElementById('Txt1')?.value") == "1",
                   "the board was not built")

    def close(self):
        """Ends the browser and the server; fails if the page logged an error, such as a breach
        of its security policy, or left another window open."""
        try:
            errors = [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
            expect((errors, len(self.driver.window_handles)), ([], 1), "errors and windows left")
        finally:
            self.driver.quit()
            self.server.shutdown()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def until(self, condition, what, seconds=10):
        WebDriverWait(self.driver, seconds).until(lambda _: condition(), what)

    def rect(self, name):
        """The box of control name, relative to the board, in the board's own pixels."""
        return self.js("""const board = document.getElementById('ZORBELKIN').getBoundingClientRect();
            const r = document.getElementById(arguments[0]).getBoundingClientRect();
            const scale = board.width / 470;
            return [r.left - board.left, r.top - board.top, r.width, r.height]
                .map(v => Math.round(v / scale * 100) / 100);""", name)

    def element(self, name):
        return self.driver.find_element("id", name)

    def board(self):
        """The cells as "XO./.X./..X", from the pictures they show."""
        marks = self.js("""return [...Array(9).keys()].map(i => {
            const img = document.getElementById(`Img1(${i})`);
            return getComputedStyle(img).visibility == 'hidden' ? '.'
                : img.currentSrc.includes('/x') ? 'X' : 'O'; }).join('');""")
        return "/".join(marks[i:i + 3] for i in (0, 3, 6))

    def texts(self):
        return [self.element(name).get_property("value") for name in ("Txt1", "txt2", "txt3")]

    def box(self):
        """The open box's text, or None."""
        return self.js("const d = document.querySelector('dialog'); "
                       "return d.open ? d.querySelector('p').textContent : null")

    def focused(self):
        return self.js("return document.activeElement.id")

    def click(self, cell):
        ActionChains(self.driver).click(self.element(f"lbl1({cell})")).perform()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def tap(self, cell, **move):
        """A touch on the cell, moved by move's x and y before it is lifted."""
        x, y = self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2];", f"lbl1({cell})")
        start = [{"x": x, "y": y}]
        end = [{"x": x + move.get("x", 0), "y": y + move.get("y", 0)}]
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=start)
        self.cdp("Input.dispatchTouchEvent", type="touchMove", touchPoints=end)
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def shot(self, name):
        """Control name as the player sees it, as columns of pixels."""
        with tempfile.NamedTemporaryFile(suffix=".png") as png:
            png.write(self.element(name).screenshot_as_png)
            png.flush()
            ppm = subprocess.run(["convert", png.name, "ppm:-"], capture_output=True,
                                 check=True).stdout
        with tempfile.NamedTemporaryFile(suffix=".ppm") as f:
            f.write(ppm)
            f.flush()
            return read_ppm(f.name)[2]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def expect(actual, expected, what):
    if actual != expected:
        raise AssertionError(f"{what}: {actual!r}, expected {expected!r}")


def layout(page, _):
    expect(page.js("return document.title"), "ZOR BEL KIN", "the page's title")
    expect(page.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [],
           "what keeps the game from installing as an app")
    laid_out = {f"Line{i + 1}": line for i, line in enumerate(LINES)}
    laid_out.update(zip(("Label1", "Label2", "Label3", "player1", "player2", "player"),
                        (rect for rect, _, _ in CAPTIONS)))
    laid_out.update(zip(("Txt1", "Cmd3", "txt2", "txt3"), (rect for rect, _ in BOXES)))
    for cell in range(9):
        box = (CELL_LEFTS[cell % 3], CELL_TOPS[cell // 3], *CELL_SIZE)
        laid_out[f"lbl1({cell})"] = laid_out[f"Img1({cell})"] = box
    for mark, (density, width, height) in zip("XO", ((1, 800, 600), (3, 390, 844))):
        page.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=density, mobile=density > 1)
        scale = min(1, width / 470)
        page.until(lambda: round(page.js("return document.getElementById('ZORBELKIN')"
                                         ".getBoundingClientRect().width"), 2) == round(470 * scale, 2),
                   "the board not scaled to the page")
        board = page.js("const r = document.getElementById('ZORBELKIN').getBoundingClientRect();"
                        "return [r.left, r.top, r.width, r.height];")
        expect([round(v, 2) for v in board[2:]], [round(470 * scale, 2), round(459 * scale, 2)],
               f"the board's size at {width} x {height}")
        expect(board[0] >= 0 and board[0] + board[2] <= width, True, "the board fits across")
        for name, (left, top, across, down, *line_width) in laid_out.items():
            if line_width:  # a line, centred on its path
                thick = line_width[0]
                expected = [px(left) - thick // 2 if not across else px(left),
                            px(top) - thick // 2 if not down else px(top),
                            px(across) or thick, px(down) or thick]
            else:
                expected = [px(left), px(top), px(across), px(down)]
            expect(page.rect(name), expected, f"{name} at {width} x {height}")
        # Each cell shows the rendition that suits the screen's density.
        cell, rendition = (4, "/x.png") if density == 1 else (0, "/o@4x.png")
        page.click(cell)
        page.until(lambda: page.js(f"return document.getElementById('Img1({cell})').currentSrc")
                   .endswith(rendition), f"{rendition} not shown at density {density}")


def play(page, _):
    expect(page.focused(), "Cmd3", "the focus at start")
    for back, focus in ((False, "txt2"), (False, "txt3"), (False, "Cmd3"), (True, "txt3"),
                        (True, "txt2")):
        keys = ActionChains(page.driver)
        (keys.key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT) if back
         else keys.send_keys(Keys.TAB)).perform()
        expect(page.focused(), focus, "the focus after " + ("Shift+Tab" if back else "Tab"))
    ActionChains(page.driver).key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL) \
        .send_keys("41").perform()
    # A press dragged off its cell plays nothing, with the mouse or a finger.
    ActionChains(page.driver).click_and_hold(page.element("lbl1(0)")) \
        .move_to_element(page.element("lbl1(1)")).release().perform()
    page.tap(0, x=200)
    expect(page.board(), ".../.../...", "the board after presses dragged off")
    page.tap(4)
    page.click(4)  # a used cell
    expect((page.board(), page.texts()), (".../.X./...", ["2", "41", "0"]), "after a tap")
    for cell in (0, 5, 1, 8, 2):
        page.click(cell)
    expect((page.box(), page.texts()), ("You Win!!", ["2", "41", "0"]), "O's row")
    expect(page.focused(), "OK", "the focus in the box")
    page.click(6)  # the box is modal
    page.keys(Keys.ENTER)
    page.until(lambda: page.texts() == ["1", "41", "1"], "no point for O after the box")
    expect(page.board(), "OOO/.XX/..X", "after O's row")
    page.element("Cmd3").click()
    expect(page.board(), ".../.../...", "after a click on New Game")
    # X completes two lines at once: a box, and a point, for each.
    for cell in (1, 4, 2, 5, 3, 7, 6, 8, 0):
        page.click(cell)
    for points in ("41", "42"):
        expect((page.box(), page.texts()[1]), ("You Win!!", points), "a box before its point")
        page.keys(Keys.ENTER)
    page.until(lambda: page.texts() == ["2", "43", "1"] and page.box() is None, "two points")
    for key in (Keys.SPACE, Keys.ENTER):
        page.click(4)
        page.keys(key)
        expect((page.board(), page.texts(), page.focused()),
               (".../.../...", ["1", "43", "1"], "Cmd3"), "after a key on New Game")
    # Once loaded, the game plays without a network.
    page.until(lambda: page.js("return !!navigator.serviceWorker.controller"), "no worker")
    page.cdp("Network.enable")
    page.cdp("Network.emulateNetworkConditions", offline=True, latency=0, downloadThroughput=-1,
             uploadThroughput=-1)
    page.open()
    page.click(8)
    expect(page.board(), ".../.../..X", "offline")


def accessibility(page, spoken_table):
    roles = {"push button": "button", "static text": "StaticText", "text": "textbox"}
    expected = []
    for line in spoken_table:
        role, name, states, _ = line.split("\t")
        expected.append((roles[role], name, "unavailable" in states, "focusable" in states))

    def told():
        """The controls Chromium tells of, in the page's order: role, name, disabled, focusable,
        focused. Texts inside a control or a box are part of it."""
        nodes = {n["nodeId"]: n for n in page.cdp("Accessibility.getFullAXTree")["nodes"]}
        described = []

        def walk(node, inside):
            role = node["role"]["value"]
            if not node["ignored"] and (role != "StaticText" or not inside):
                if role in ("button", "textbox", "alertdialog", "status", "StaticText"):
                    props = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
                    described.append((role, node.get("name", {}).get("value", ""),
                                      bool(props.get("disabled")), bool(props.get("focusable")),
                                      bool(props.get("focused"))))
            inside = inside or role in ("button", "textbox", "alertdialog", "status")
            for child in node.get("childIds", []):
                walk(nodes[child], inside)

        walk(next(n for n in nodes.values() if "parentId" not in n), False)
        return described

    board = [n[:4] for n in told() if n[0] != "status"]
    expect(board, expected, "the board as Chromium tells it")
    page.click(4)
    page.until(lambda: ("button", "centre, X", True, False, False) in told(), "no used centre")
    expect(page.js("return document.querySelector('[role=status]').textContent"), "centre, X",
           "what is said of the move")
    for cell in (0, 3, 1, 5):
        page.click(cell)
    page.until(lambda: any(n[0] == "alertdialog" and n[1] == "ZORBELKIN" for n in told()),
               "no alert dialog")
    expect([n for n in told() if n[4]], [("button", "OK", False, True, True)], "the focus")


def colours(page, _):
    for features in ([("prefers-color-scheme", "light")], [("prefers-color-scheme", "dark")],
                     [("forced-colors", "active"), ("prefers-color-scheme", "dark")]):
        scheme = ", ".join(value for _, value in features)
        page.cdp("Emulation.setEmulatedMedia",
                 features=[{"name": n, "value": v} for n, v in features])
        page.until(lambda: page.js("return matchMedia('(prefers-color-scheme: "
                                   f"{features[-1][1]})').matches"), "no " + scheme)
        ground, ink = ground_and_ink(page.shot("Label2"))
        expect(contrast(ground, ink) >= 7, True, f"{scheme}: the titles' contrast")
        expect(contrast(ground, (0, 0, 0)) >= 7, True, f"{scheme}: a light board")
        ground, ink = ground_and_ink(page.shot("Txt1"))
        expect(contrast(ground, ink) >= 4.5, True, f"{scheme}: the turn digit's contrast")
        page_ground = page.js("return getComputedStyle(document.body).backgroundColor")
        expect(page_ground == "rgb(255, 255, 255)", features[-1][1] == "light",
               f"{scheme}: a light page")


def main():
    check, site, node, spoken_program = sys.argv[1:5]
    for tool in (CHROMIUM, DRIVER):
        if not os.access(tool, os.X_OK):
            print(f"needs {tool}: apt-get install chromium chromium-driver")
            return 1 if os.environ.get("CI") == "true" else 77
    spoken_table = subprocess.run([node, spoken_program], capture_output=True, text=True,
                                  check=True).stdout.splitlines()
    page = Page(site)
    try:
        {"layout": layout, "play": play, "accessibility": accessibility,
         "colours": colours}[check](page, spoken_table)
    except BaseException:
        page.driver.quit()
        page.server.shutdown()
        raise
    page.close()
    print(f"{check}: as laid out, played and told")
    return 0


if __name__ == "__main__":
    sys.exit(main())
