# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""The browser program's drivers for the story: the static site, served on a port of 127.0.0.1 as
a web server serves it, in each engine on a private Xvfb display: Chromium and WebKit through
WebDriver, Firefox through its own WebDriver BiDi. The hands are WebDriver's pointer and key
actions at the board's coordinates; the eyes are what the engine gives a screen reader on the
AT-SPI bus, with the page's status region for what is said."""
import asyncio
import base64
import functools
import http.server
import inspect
import itertools
import json
import os
import shutil
import socket
import struct
import subprocess
import tempfile
import threading

import desktop
from kit import Control, Look, Shot, fail, found, need, until

# The page's schemes, as media features, and a phone held upright.
LIGHT, DARK = [("prefers-color-scheme", "light")], [("prefers-color-scheme", "dark")]
SCREEN, PHONE = (800, 600, 1), (390, 844, 3)
KEYS = {"shift": "\ue008", "ctrl": "\ue009", "Return": "\ue007", "space": " ", "Tab": "\ue004"}


class Page:
    """One engine with the site in it, on a display and a bus of its own, and what all do alike."""
    pointers = ("mouse", "touch")

    def __init__(self, site):
        desktop.private_bus()
        self.xvfb, self.scratch = desktop.private_display(), tempfile.mkdtemp()
        os.environ.update(ACCESSIBILITY_ENABLED="1", GTK_A11Y="atspi", GNOME_ACCESSIBILITY="1")
        self.reader, self.setting = PageReader(self), None
        self.site = shutil.copytree(site, os.path.join(self.scratch, "site"))
        # A server that logs no request.
        handler = functools.partial(type("Quiet", (http.server.SimpleHTTPRequestHandler,), {
            "log_message": lambda *_: None}), directory=self.site)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"

    def start(self, look=None, reader=False, broken=False):
        """The site in one of the engine's looks (the first unless told), or with its wasm cut."""
        look = look or self.looks[0]
        if look.setting != self.setting:
            self.launch(look)
            self.setting = look.setting
        self.view(*((look.screen, PHONE[1], look.density) if look.screen else SCREEN), look)
        if broken:
            os.truncate(os.path.join(self.site, "zorbelkin.wasm"), 1000)
            self.navigate(self.url)
        else:
            self.open()
        return self

    def words(self):
        return self.js("return document.body.innerText.trim()")

    def open(self):
        self.navigate(self.url)
        until("the program in charge of the board",
              lambda: self.js("return document.documentElement.dataset.running"), "true", 30)
        # What the status region says, as a reader hears it.
        self.js("""window.heard = []; const region = document.querySelector('[role=status]');
            new MutationObserver(() => region.textContent && heard.push(region.textContent))
                .observe(region, {childList: true, characterData: true, subtree: true});""")
        left, top, width, _ = self.board_rect()
        self.origin, self.css_scale = (left, top), width / 470
        self.scale = self.css_scale * self.js("return devicePixelRatio")

    def board_rect(self):
        return self.js("const r = document.getElementById('ZORBELKIN').getBoundingClientRect();"
                       "return [r.left, r.top, r.width, r.height];")

    def drag(self, *xy, pointer="mouse"):
        """A press at the first point of x, y, ..., moved through the others, lifted at the last."""
        moves = [{"type": "pointerMove", "duration": 0,
                  "x": round(self.origin[0] + x * self.css_scale),
                  "y": round(self.origin[1] + y * self.css_scale)}
                 for x, y in zip(xy[::2], xy[1::2])]
        self.perform([{"type": "pointer", "id": pointer, "parameters": {"pointerType": pointer},
                       "actions": [moves[0], {"type": "pointerDown", "button": 0}, *moves[1:],
                                   {"type": "pointerUp", "button": 0}]}])

    click = drag

    def key(self, key):
        keys = [KEYS.get(k, k) for k in key.split("+")]
        self.perform([{"type": "key", "id": "keys",
                       "actions": [{"type": "keyDown", "value": k} for k in keys]
                       + [{"type": "keyUp", "value": k} for k in reversed(keys)]}])

    def shot(self):
        return Shot(subprocess.run(["convert", "-", "-depth", "8", "ppm:-"], input=self.png(),
                                   capture_output=True, check=True).stdout)

    def windows(self):  # the page's title: its one window
        return [self.js("return document.title")]

    def rendition(self, cell):
        src = self.js(f"return document.getElementById('Img1({cell})').currentSrc")
        return "@4x" if "@4x" in src else ""

    def eyes(self):
        self.reader.find()
        return self.reader

    def stop(self):
        pass

    def end(self):
        self.quit()
        self.server.shutdown()
        self.xvfb.terminate()
        self.xvfb.wait(10)
        shutil.rmtree(self.scratch, ignore_errors=True)


class WebDriverPage(Page):
    """An engine driven by its WebDriver program, through Selenium."""

    def __init__(self, site):
        super().__init__(site)
        try:
            from selenium import webdriver
        except ImportError:
            need("python3's selenium", "python3-selenium")
        self.webdriver = webdriver

    def js(self, body):
        return self.driver.execute_script(body)

    def perform(self, sources):
        from selenium.webdriver.remote.command import Command
        self.driver.execute(Command.W3C_ACTIONS, {"actions": sources})

    def navigate(self, url):
        self.driver.get(url)

    def png(self):
        return self.driver.find_element("id", "ZORBELKIN").screenshot_as_png

    def quit(self):
        self.driver.quit()


class Chromium(WebDriverPage):
    """Chromium, whose own protocol sets the screen, the scheme and the network."""
    app = "Chromium"
    looks = [Look("light scheme", None, LIGHT), Look("dark scheme", None, DARK),
             Look("forced colours", None, [("forced-colors", "active")] + DARK),
             Look("a phone, light", None, LIGHT, PHONE[2], PHONE[0])]

    def __init__(self, site):
        need("/usr/bin/chromium", "chromium")
        need("/usr/bin/chromedriver", "chromium-driver")
        super().__init__(site)

    def launch(self, look):
        if self.setting is not None:
            return  # one browser, whose protocol sets each look
        options = self.webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ("--no-sandbox", "--disable-gpu", "--no-first-run", "--window-size=800,600",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--force-renderer-accessibility"):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        from selenium.webdriver.chrome.service import Service
        self.driver = self.webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                                            options=options)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def view(self, width, height, density, look):
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=density, mobile=density > 1)
        self.cdp("Emulation.setEmulatedMedia",
                 features=[{"name": n, "value": v} for n, v in look.setting])

    def install_errors(self):
        return self.cdp("Page.getInstallabilityErrors")["installabilityErrors"]

    def offline(self):
        until("a worker in control", lambda: self.js("return !!navigator.serviceWorker.controller"))
        self.cdp("Network.enable")
        self.cdp("Network.emulateNetworkConditions", offline=True, latency=0,
                 downloadThroughput=-1, uploadThroughput=-1)
        self.open()

    def errors(self):
        """What the page logged as errors, such as a breach of its security policy."""
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]


class WebKit(WebDriverPage):
    """WebKitGTK's MiniBrowser, through WebKitWebDriver, which has no touch (it presses the mouse
    instead), emulates no screen and reads no log: the scheme comes from GTK's theme, in a browser
    of its own."""
    app = "MiniBrowser"
    pointers = ("mouse", "pen")
    # MiniBrowser's window is at least 447 pixels wide: its narrow look is a window of that
    # width, narrower than the board, at one pixel per CSS pixel.
    looks = [Look("light scheme", None, {}),
             Look("dark scheme", None, {"GTK_THEME": "Adwaita:dark"}),
             Look("a narrow window, light", None, {}, 1, 447)]
    BROWSER = f"/usr/lib/{subprocess.getoutput('gcc -print-multiarch')}/webkit2gtk-4.1/MiniBrowser"

    def __init__(self, site):
        need("/usr/bin/WebKitWebDriver", "webkit2gtk-driver")
        need(self.BROWSER, "webkit2gtk-driver")
        super().__init__(site)

    def launch(self, look):
        if self.setting is not None:
            self.quit()
        os.environ.pop("GTK_THEME", None)
        os.environ.update(look.setting)
        options = self.webdriver.WebKitGTKOptions()
        options.binary_location = self.BROWSER
        options.add_argument("--automation")
        # Debian 12's Selenium takes the driver's path, Debian 13's a service.
        if "service" in inspect.signature(self.webdriver.WebKitGTK).parameters:
            from selenium.webdriver.webkitgtk.service import Service
            where = {"service": Service(executable_path="/usr/bin/WebKitWebDriver")}
        else:
            where = {"executable_path": "/usr/bin/WebKitWebDriver"}
        self.driver = self.webdriver.WebKitGTK(options=options, **where)

    def view(self, width, height, density, look):
        self.driver.set_window_size(width, height + 40)  # and the browser's own bar

    def png(self):
        """Cut from the page's picture, as the driver's picture of an element has a line on top."""
        density = self.js("return devicePixelRatio")
        left, top, width, height = (round(v * density) for v in self.board_rect())
        # Just after the window is resized, the page's picture may still be of the old size.
        size = [round(v * density) for v in self.js("return [innerWidth, innerHeight]")]
        page = found("a picture of the page at its size", lambda: (
            picture := self.driver.get_screenshot_as_png()) and list(
            struct.unpack(">II", picture[16:24])) == size and picture)
        return subprocess.run(["convert", "-", "-crop", f"{width}x{height}+{left}+{top}", "png:-"],
                              input=page, capture_output=True, check=True).stdout


class Firefox(Page):
    """Firefox, through the WebDriver BiDi it serves itself; its preferences set the scheme, each
    set in a browser of its own."""
    app = "Firefox"
    SCHEME = "layout.css.prefers-color-scheme.content-override"  # 0 dark, 1 light
    looks = [Look("light scheme", None, {SCHEME: 1}), Look("dark scheme", None, {SCHEME: 0}),
             Look("forced colours", None, {SCHEME: 0, "browser.display.document_color_use": 2}),
             Look("a phone, light", None, {SCHEME: 1}, PHONE[2], PHONE[0])]

    def __init__(self, site):
        need("firefox-esr", "firefox-esr")
        try:
            import websockets
        except ImportError:
            need("python3's websockets", "python3-websockets")
        super().__init__(site)
        self.websockets, self.loop, self.events = websockets, asyncio.new_event_loop(), []
        self.ids = itertools.count(1)
        asyncio.set_event_loop(self.loop)

    def launch(self, look):
        if self.setting is not None:
            self.quit()
        profile = tempfile.mkdtemp(dir=self.scratch)
        with open(os.path.join(profile, "user.js"), "w") as prefs:
            prefs.writelines(f'user_pref("{k}", {json.dumps(v)});\n'
                             for k, v in look.setting.items())
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            port = s.getsockname()[1]
        self.browser = subprocess.Popen(
            ["firefox-esr", f"--remote-debugging-port={port}", "--no-remote", "--profile", profile,
             "--width", "800", "--height", "700", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.socket = found("Firefox's WebDriver BiDi", lambda: self.connect(port), 30)
        self.call("session.new", capabilities={})
        self.context = self.call("browsingContext.getTree")["contexts"][0]["context"]
        self.call("session.subscribe", events=["log.entryAdded"])
        # Without a window manager, Firefox takes the focus from a click alone: one on its blank
        # page, before the game's.
        window = desktop.xdo("search", "--sync", "--onlyvisible", "--class", "firefox").split()[0]
        desktop.xdo("mousemove", "--window", window, 400, 400, "click", 1)

    def connect(self, port):
        try:
            return self.loop.run_until_complete(self.websockets.connect(
                f"ws://127.0.0.1:{port}/session", max_size=None))
        except OSError:
            return None

    def call(self, method, **params):
        """Sends a command, keeps the events that come before its answer, and gives the answer."""
        asked = next(self.ids)
        self.loop.run_until_complete(self.socket.send(json.dumps(
            {"id": asked, "method": method, "params": params})))
        while (said := json.loads(self.loop.run_until_complete(self.socket.recv()))).get(
                "id") != asked:
            self.events.append(said)
        if said["type"] == "error":
            fail(f"Firefox refused {method}: {said['message']}")
        return said["result"]

    def view(self, width, height, density, look):
        self.call("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height}, devicePixelRatio=density)

    def js(self, body):
        """What body returns, through JSON rather than BiDi's typed values."""
        said = self.call("script.callFunction", functionDeclaration="function() { return "
                         f"JSON.stringify((() => {{ {body} }})() ?? null); }}",
                         awaitPromise=False, target={"context": self.context})
        if said["type"] == "exception":
            fail(f"the page threw: {said['exceptionDetails']['text']}")
        return json.loads(said["result"]["value"])

    def perform(self, sources):
        self.call("input.performActions", context=self.context, actions=sources)

    def navigate(self, url):
        self.call("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def png(self):
        left, top, width, height = self.board_rect()
        return base64.b64decode(self.call("browsingContext.captureScreenshot", context=self.context,
                                          clip={"type": "box", "x": left, "y": top,
                                                "width": width, "height": height})["data"])

    def offline(self):
        until("a worker in control", lambda: self.js("return !!navigator.serviceWorker.controller"))
        self.call("emulation.setNetworkConditions", contexts=[self.context],
                  networkConditions={"type": "offline"})
        self.open()

    def errors(self):
        return [e["params"]["text"] for e in self.events if e.get("method") ==
                "log.entryAdded" and e["params"]["level"] == "error"]

    def quit(self):
        self.browser.terminate()
        self.browser.wait(30)


class PageReader(desktop.AtSpi):
    """The page as its engine gives it to a screen reader: the board's controls are the children
    of the board's own node, and what lies at a point and the box are found in the page."""
    # The page speaks each new mark through its status region and renames the cells that New
    # Game empties through their labels alone; a reader's navigation may focus a cell.
    announces_renames, cells_take_focus = False, True

    def __init__(self, page):
        super().__init__()
        self.page = page

    def find(self):
        app = self.application(self.page.app, 60)
        self.root = self.boxes = found("the page", lambda: self.steady(lambda: next(
            (n for n in self.below(app) if n.get_role() == self.atspi.Role.DOCUMENT_WEB
             and self.name(n) == "ZOR BEL KIN"), None)), 30)

    def board(self):
        landmark = next((n for n in self.below(self.root)
                         if n.get_role() == self.atspi.Role.LANDMARK), None)
        return landmark and self.children(landmark)[0]

    def behind_box(self):
        """The controls that an open box hides, as a sighted player sees them."""
        return [c._replace(value=self.page.js(
            f"return document.querySelector({json.dumps(f'[aria-label={c.name!r}]')})"
            "?.value ?? ''")) if c.told.startswith("text") else c for c in self.last]

    def heard(self):
        return self.page.js("return window.heard")
