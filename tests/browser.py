# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""The browser program's driver for the story: the static site, served on a port of 127.0.0.1 as
a web server serves it, in headless Chromium through WebDriver. The hands are WebDriver's pointer
and key actions at the board's coordinates; the eyes are Chromium's own accessibility tree, with
the page's status region for what is said."""
import functools
import http.server
import os
import subprocess
import threading

from kit import Control, Look, Shot, fail, need, until

CHROMIUM, DRIVER = "/usr/bin/chromium", "/usr/bin/chromedriver"
# The page's schemes, as media features, and a phone held upright.
LIGHT, DARK = [("prefers-color-scheme", "light")], [("prefers-color-scheme", "dark")]
SCREEN, PHONE = (800, 600, 1), (390, 844, 3)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Chromium:
    """The page, and the hands that work it."""
    pointers = ("mouse", "touch")
    looks = [Look("light scheme", None, LIGHT), Look("dark scheme", None, DARK),
             Look("forced colours", None, [("forced-colors", "active")] + DARK),
             Look("a phone, light", None, LIGHT, PHONE[2], PHONE[0])]

    def __init__(self, site):
        need(CHROMIUM, "chromium")
        need(DRIVER, "chromium-driver")
        try:
            from selenium import webdriver
        except ImportError:
            need("python3's selenium", "python3-selenium")
        from selenium.webdriver.chrome.service import Service
        handler = functools.partial(QuietHandler, directory=site)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--window-size=800,600"):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(DRIVER), options=options)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def start(self, look=Look("", None, LIGHT), reader=False):
        width, height, density = PHONE if look.screen else SCREEN
        self.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height,
                 deviceScaleFactor=density, mobile=density > 1)
        self.cdp("Emulation.setEmulatedMedia",
                 features=[{"name": n, "value": v} for n, v in look.setting])
        self.open()
        return self

    def open(self):
        self.driver.get(self.url)
        until("the board built",
              lambda: self.js("return document.getElementById('Txt1')?.value"), "1")
        # What the status region says, as a reader hears it.
        self.js("""window.heard = []; const region = document.querySelector('[role=status]');
            new MutationObserver(() => region.textContent && heard.push(region.textContent))
                .observe(region, {childList: true, characterData: true, subtree: true});""")
        left, top, width = self.js("const r = document.getElementById('ZORBELKIN')"
                                   ".getBoundingClientRect(); return [r.left, r.top, r.width];")
        self.origin, self.css_scale = (left, top), width / 470
        self.scale = self.css_scale * self.js("return devicePixelRatio")

    def pointer(self, kind, *points):
        """A press at the first point, moved through the others, lifted at the last."""
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        from selenium.webdriver.common.actions.pointer_input import PointerInput
        actions = ActionBuilder(self.driver, mouse=PointerInput(kind, kind))
        place = lambda x, y: (round(self.origin[0] + x * self.css_scale),
                              round(self.origin[1] + y * self.css_scale))
        actions.pointer_action.move_to_location(*place(*points[0])).pointer_down()
        for point in points[1:]:
            actions.pointer_action.move_to_location(*place(*point))
        actions.pointer_action.pointer_up()
        actions.perform()

    def click(self, x, y):
        self.pointer("mouse", (x, y))

    def drag(self, x1, y1, x2, y2, pointer):
        self.pointer(pointer, (x1, y1), (x2, y2))

    def key(self, key):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        *held, key = key.split("+")
        actions = ActionChains(self.driver)
        names = {"shift": Keys.SHIFT, "ctrl": Keys.CONTROL, "Return": Keys.ENTER,
                 "space": Keys.SPACE, "Tab": Keys.TAB}
        for name in held:
            actions.key_down(names[name])
        actions.send_keys(names.get(key, key))
        for name in held:
            actions.key_up(names[name])
        actions.perform()

    def shot(self):
        png = self.driver.find_element("id", "ZORBELKIN").screenshot_as_png
        return Shot(subprocess.run(["convert", "-", "-depth", "8", "ppm:-"], input=png,
                                   capture_output=True, check=True).stdout)

    def windows(self):
        here, titles = self.driver.current_window_handle, []
        for handle in self.driver.window_handles:
            self.driver.switch_to.window(handle)
            titles.append(self.driver.title)
        self.driver.switch_to.window(here)
        return titles

    def rendition(self, cell):
        src = self.js(f"return document.getElementById('Img1({cell})').currentSrc")
        return "@4x" if "@4x" in src else ""

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

    def eyes(self):
        return AxTree(self)

    def stop(self):
        pass

    def end(self):
        self.driver.quit()
        self.server.shutdown()


class AxTree:
    """Chromium's accessibility tree, walked in the page's order."""
    # The page speaks each new mark through its status region and renames the cells that New
    # Game empties through their labels alone.
    announces_renames = False
    ROLES = {"button": "push button", "StaticText": "static text", "textbox": "text"}

    def __init__(self, page):
        self.page = page

    def tree(self):
        nodes = {n["nodeId"]: n for n in self.page.cdp("Accessibility.getFullAXTree")["nodes"]}
        return nodes, next(n for n in nodes.values() if "parentId" not in n)

    def controls(self):
        """The board's controls as a reader meets them, the text inside a control being part of
        it; an open box hides them from Chromium's tree, and behind it they read as a sighted
        player sees them, their values from the page's own elements."""
        nodes, root = self.tree()
        met = []

        def walk(node, inside):
            role = node["role"]["value"]
            if role in ("alertdialog", "dialog", "status"):
                return
            if not node["ignored"] and role in self.ROLES and not (inside and role == "StaticText"):
                met.append(node)
            for child in node.get("childIds", []):
                walk(nodes[child], inside or role in ("button", "textbox"))

        walk(root, False)
        if not met:
            return [c._replace(value=self.value_of(c.handle)) for c in self.last]
        self.last = []
        for node in met:
            props = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
            box = self.page.cdp("DOM.getBoxModel", backendNodeId=node["backendDOMNodeId"])["model"]
            disabled, role = bool(props.get("disabled")), node["role"]["value"]
            told = "\t".join([self.ROLES[role], node["name"]["value"],
                              ("unavailable" if disabled else "enabled")
                              + (" focusable" if props.get("focusable") else ""),
                              # A tree has no actions: an enabled button offers its press.
                              "Press" if role == "button" and not disabled else ""])
            self.last.append(Control(told, node["name"]["value"], node.get("value", {}).get(
                "value", ""), (round(box["border"][0]), round(box["border"][1]), box["width"],
                               box["height"]), bool(props.get("focused")), node))
        return self.last

    def call(self, node, function):
        element = self.page.cdp("DOM.resolveNode", backendNodeId=node["backendDOMNodeId"])
        return self.page.cdp("Runtime.callFunctionOn", objectId=element["object"]["objectId"],
                             functionDeclaration=function, returnByValue=True)["result"]

    def value_of(self, node):
        return self.call(node, "function() { return this.value ?? ''; }")["value"]

    def press(self, control):
        """As WebKit's reader presses: a click that no pointer made."""
        self.call(control.handle, "function() { this.click(); }")

    def at(self, x, y):
        hit = self.page.cdp("DOM.getNodeForLocation", x=x, y=y)
        node = self.page.cdp("Accessibility.getPartialAXTree", backendNodeId=hit["backendNodeId"],
                             fetchRelatives=False)["nodes"][0]
        return [node.get("name", {}).get("value", "nothing")]

    def heard(self):
        return self.page.js("return window.heard")

    def box(self):
        nodes, _ = self.tree()

        def below(node):
            for child in map(nodes.get, node.get("childIds", [])):
                yield child
                yield from below(child)

        for node in nodes.values():
            if node["role"]["value"] == "alertdialog" and not node["ignored"]:
                return node["name"]["value"], {n.get("name", {}).get("value") for n in below(node)
                                               if not n["ignored"]}
        return None
