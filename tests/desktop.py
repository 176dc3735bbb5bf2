# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""The desktop programs' drivers for the story, on a private Xvfb display: the hands are
xdotool's (with no window manager, a top-level X window is its client area); the eyes are AT-SPI
for the Linux program, and for the Windows program under Wine Active Accessibility through
msaa_client, a Windows client in another process."""
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time

from kit import Control, Look, Shot, fail, found, need, until

MARKS = pathlib.Path(__file__).resolve().parent.parent / "assets" / "marks"


def xdo(*args):  # within a minute, as a search may wait for a window
    return subprocess.run(["timeout", "60", "xdotool", *map(str, args)], capture_output=True,
                          text=True).stdout


class XHands:
    """Real input on the X display, at the board's coordinates at 96 dots per inch."""
    pointers = ("mouse",)

    def __init__(self, window, scale):
        self.window, self.scale = window, scale

    def at(self, *points):
        return [int(v * self.scale + 0.5) for v in points]

    def click(self, x, y):
        xdo("mousemove", "--window", self.window, *self.at(x, y), "click", 1)

    def drag(self, x1, y1, x2, y2, pointer="mouse"):  # the one pointer of X
        xdo("mousemove", "--window", self.window, *self.at(x1, y1), "mousedown", 1,
            "mousemove", "--window", self.window, *self.at(x2, y2), "mouseup", 1)

    def key(self, key):
        """To the box where one is open, as to the window that has the focus."""
        box = xdo("search", "--onlyvisible", "--name", "^ZORBELKIN$").split()
        xdo("windowfocus", (box or [self.window])[0])
        xdo("key", "--clearmodifiers", key)

    def shot(self):
        taken = subprocess.run(["import", "-window", self.window, "-depth", "8", "ppm:-"],
                               capture_output=True)
        return Shot(taken.stdout) if not taken.returncode else fail(taken.stderr.decode())

    def windows(self):
        return [xdo("getwindowname", w).strip()
                for w in xdo("search", "--onlyvisible", "--name", ".").split()]


def private_display():
    """Starts a private Xvfb, which DISPLAY then names, and gives its process."""
    for tool, package in [("Xvfb", "xvfb"), ("xdotool", "xdotool"), ("import", "imagemagick")]:
        need(tool, package)
    # Xvfb picks a free display itself and says which once it takes connections; with -noreset
    # it takes them even between two clients.
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-noreset", "-screen", "0",
                             "1280x1024x24", "-nolisten", "tcp"], pass_fds=(write,),
                            stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as said:
        os.environ["DISPLAY"] = ":" + (said.readline().strip() or fail("Xvfb did not start"))
    return xvfb


def private_bus():
    """Runs this script again, once, in a D-Bus session and a runtime folder of its own, where the
    reader's bus of the programs under test keeps its socket apart from other tests'."""
    need("dbus-run-session", "dbus-bin")
    if "ZORBELKIN_BUS" not in os.environ:
        os.execvpe("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv],
                   dict(os.environ, ZORBELKIN_BUS="private", XDG_RUNTIME_DIR=tempfile.mkdtemp()))


def end_private_bus():
    if "ZORBELKIN_BUS" in os.environ:
        shutil.rmtree(os.environ["XDG_RUNTIME_DIR"], ignore_errors=True)


class Desktop:
    """A private Xvfb display, and the game started on it."""
    scale = 1

    def __init__(self):
        self.xvfb = private_display()
        self.scratch, self.game = tempfile.mkdtemp(), None
        self.log_path = os.path.join(self.scratch, "game.log")

    def run(self, command, env=None, window=True):
        """Starts the game and, unless told otherwise, waits for its window; gives its hands."""
        with open(self.log_path, "w") as log:
            self.game = subprocess.Popen(command, env=dict(os.environ, **(env or {})), stdout=log,
                                         stderr=subprocess.STDOUT)
        if not window:
            return XHands(None, self.scale)
        shown = xdo("search", "--sync", "--onlyvisible", "--name", "^ZOR BEL KIN$").split()
        # The focus that a window manager gives a window as it maps: Xvfb has none.
        xdo("windowfocus", (shown or [fail(f"no game window: {self.log()}")])[0])
        return XHands(shown[0], self.scale)

    def broken_copy(self, program, picture):
        """A copy of program whose copy of picture says it is 0 pixels wide."""
        data, png = pathlib.Path(program).read_bytes(), (MARKS / picture).read_bytes()
        if data.count(png) != 1:
            fail(f"{picture} is not in {program} exactly once")
        at = data.index(png) + 16  # the width, first field of the header chunk
        copy = pathlib.Path(self.scratch, os.path.basename(program))
        copy.write_bytes(data[:at] + bytes(4) + data[at + 4:])
        copy.chmod(0o755)
        return copy

    def log(self):
        return pathlib.Path(self.log_path).read_text(errors="replace")

    def status(self):
        return self.game.poll()

    def stop(self):
        if self.game:
            self.game.terminate()
            self.game.wait(30)

    def end(self):
        self.stop()
        self.xvfb.terminate()
        self.xvfb.wait(10)
        shutil.rmtree(self.scratch, ignore_errors=True)


class Qt(Desktop):
    """The Linux program, read through AT-SPI in a private D-Bus session."""
    reads_marks_late = False  # the X picture makes the icon, before the window
    # Qt's own styles, and Qt's reading of a KDE desktop's colour schemes: each group's ground
    # and ink.
    looks = [Look("default style"), Look("Windows style", None, ["-style", "windows"]),
             Look("dark palette", (252, 252, 252), {
                 "Window": ("49,54,59", "252,252,252"), "Button": ("49,54,59", "252,252,252"),
                 "View": ("35,38,41", "252,252,252"), "Selection": ("61,174,233", "252,252,252")}),
             Look("pale yellow selected text", (255, 232, 144), {
                 "Window": ("239,240,241", "35,38,41"), "Button": ("252,252,252", "35,38,41"),
                 "View": ("252,252,252", "35,38,41"), "Selection": ("61,174,233", "255,232,144")})]

    def __init__(self, game):
        private_bus()
        super().__init__()
        self.program = game

    def start(self, look=Look(""), reader=False, broken=False):
        self.atspi = reader and AtSpi()
        env, args = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}, look.setting or []
        if isinstance(look.setting, dict):
            env.update(XDG_CONFIG_HOME=tempfile.mkdtemp(dir=self.scratch), KDE_SESSION_VERSION="5",
                       QT_QPA_PLATFORMTHEME="kde")
            pathlib.Path(env["XDG_CONFIG_HOME"], "kdeglobals").write_text("".join(
                f"[Colors:{group}]\nBackgroundNormal={ground}\nForegroundNormal={ink}\n"
                for group, (ground, ink) in look.setting.items()))
            args = []
        program = self.broken_copy(self.program, "x.png") if broken else self.program
        return self.run([program, *args], env, window=not broken)

    def eyes(self):
        self.atspi.find()
        return self.atspi


class AtSpi:
    """A program as a screen reader reads it on the AT-SPI bus: its controls are the children of
    one node (the Linux program's window), a caption being the text it holds."""
    announces_renames, cells_take_focus = True, False

    def __init__(self):
        try:
            import gi
            gi.require_version("Atspi", "2.0")
            from gi.repository import Atspi, Gio, GLib
        except (ImportError, ValueError):
            need("libatspi's Python bindings", "python3-gi gir1.2-atspi-2.0")
        self.atspi, self.glib, self.announced = Atspi, GLib, []
        # The bus and its registry start on the first question; a game started before both
        # answer may miss the bus. The browsers read the bus only once it says a reader is on.
        found("the accessibility bus", lambda: Atspi.get_desktop(0))
        Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
            GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
            None, 0, -1)

    def application(self, name, seconds):
        return found(f"{name} on the accessibility bus", lambda: next(
            (a for a in self.children(self.atspi.get_desktop(0)) if a.get_name() == name), None),
            seconds)

    def find(self):
        """The window, where the controls and what lies at a point are; the boxes beside it."""
        self.boxes = self.application("zorbelkin", 30)
        self.root = self.frame = found("the window", lambda: next(
            (n for n in self.children(self.boxes) if self.name(n) == "ZOR BEL KIN"), None))
        self.listener = self.atspi.EventListener.new(
            lambda event: self.announced.append(event.source.get_name()))
        self.listener.register("object:property-change:accessible-name")

    def board(self):
        return self.frame

    @staticmethod
    def children(node):
        node.clear_cache()  # a closing window may lose children while they are counted
        return [c for c in map(node.get_child_at_index, range(node.get_child_count())) if c]

    @staticmethod
    def name(node):
        node.clear_cache()
        return node.get_name()

    def below(self, node, depth=0):
        for child in self.children(node):
            yield child
            if depth < 30:
                yield from self.below(child, depth + 1)

    def steady(self, read):
        """What read gives once the program holds still: nodes vanish while it changes."""
        for _ in range(100):
            try:
                return read()
            except (self.glib.Error, IndexError):
                time.sleep(0.05)
        fail("the reader's tree never held still")

    def words(self, node):
        """A node's name, or else the text it and its children hold."""
        try:
            text = self.atspi.Text.get_text(node, 0, -1).replace("\ufffc", "")
        except self.glib.Error:
            text = ""
        return self.name(node) or "".join(map(self.words, self.children(node))) or text

    def controls(self):
        return self.steady(self.read_controls)

    def read_controls(self):
        found, Role, State = [], self.atspi.Role, self.atspi.StateType
        board = self.board()
        if board is None:
            return self.behind_box()
        for node in self.children(board):
            words, role = self.words(node), node.get_role()
            if not words:  # a grid line or a picture
                continue
            kind = {Role.PUSH_BUTTON: "push button", Role.ENTRY: "text", Role.TEXT: "text"}.get(
                role, "static text")
            states, box = node.get_state_set(), node.get_extents(self.atspi.CoordType.SCREEN)
            enabled = states.contains(State.ENABLED)
            # An enabled button offers its press, by whichever name.
            told = "\t".join([kind, words, ("enabled" if enabled else "unavailable")
                              + (" focusable" if states.contains(State.FOCUSABLE) else ""),
                              "Press" if kind == "push button" and enabled
                              and node.get_n_actions() else ""])
            # Through the interface: newer bindings give the accessible a get_text of its own.
            value = self.atspi.Text.get_text(node, 0, -1) if kind == "text" else ""
            found.append(Control(told, words, value, (box.x, box.y, box.width, box.height),
                                 states.contains(State.FOCUSED), node))
        if len(found) < len(getattr(self, "last", ())):
            raise IndexError("a tree read while it is rebuilt")
        self.last = found
        return found

    def deepest(self, x, y):
        node, inner = None, self.root
        while inner and (node is None or self.children(node)):
            node, inner = inner, inner.get_accessible_at_point(x, y, self.atspi.CoordType.SCREEN)
        return node if node is not self.root else None

    def at(self, x, y):
        """The name of the deepest node there, as a reader's review of the mouse finds it. WebKit
        answers from the page alone (from a node, it takes the point as that node's), and Firefox
        from a cache that its first question fills."""
        return [found(f"a named node at {x}, {y}", lambda: self.steady(
            lambda: (hit := self.deepest(x, y)) and self.name(hit)), 1)]

    def press(self, control):
        """Nothing, where a control offers no action (Qt's used cell) or is out of reach."""
        try:
            if control.handle.get_n_actions():
                control.handle.do_action(0)
        except self.glib.Error:
            pass

    def focus(self, control):
        """As a reader's own navigation moves to a control."""
        self.atspi.Component.grab_focus(control.handle)

    def heard(self):
        while self.glib.MainContext.default().iteration(False):
            pass
        return self.announced

    def box(self):
        return self.steady(lambda: next(
            ((self.name(n), set(map(self.words, self.below(n)))) for n in self.below(self.boxes)
             if n.get_role() in (self.atspi.Role.DIALOG, self.atspi.Role.ALERT)), None))


class Wine(Desktop):
    """The Windows program under Wine, in a fresh prefix, read through msaa_client."""
    reads_marks_late = True  # its pictures are read when a mark first shows
    # What only a screen reader or a mark needs, loaded no sooner: automation, accessibility and
    # the imaging component. ole32 is not among them: the common controls load it.
    lazy_libraries = ("oleaut32.dll", "oleacc.dll", "windowscodecs.dll")
    # The system colours, each look on top of the ones before, as Wine reads them at a start.
    looks = [Look("Wine's colours at 144 dots per inch", None,
                  {"LogPixels": 144, "TitleText": "255 255 255"}),
             Look("classic colours", None, {"LogPixels": 96, "ButtonFace": "192 192 192",
                                            "GrayText": "128 128 128", "Window": "255 255 255",
                                            "WindowText": "0 0 0", "TitleText": "255 255 255"}),
             Look("pale yellow title text", (255, 232, 144), {"TitleText": "255 232 144"}),
             Look("dark colours", (249, 249, 249),
                  {"ButtonFace": "45 45 48", "GrayText": "96 96 96", "Window": "30 30 30",
                   "WindowText": "240 240 240", "ButtonText": "240 240 240",
                   "TitleText": "249 249 249"})]

    def __init__(self, game, client):
        need("wine", "wine")
        need("/usr/lib/wine/wine64", "wine64")
        super().__init__()
        self.program, self.client = game, client
        os.environ.update(WINEPREFIX=os.path.join(self.scratch, "wine"), WINEDEBUG="-all",
                          WINEDLLOVERRIDES="mscoree,mshtml=")
        subprocess.run(["wineboot", "--init"], capture_output=True, check=True)
        self.set({"LogPixels": 96, "TitleText": "0 0 0"})

    def set(self, settings):
        """Writes the settings where Wine reads them as a program starts."""
        self.scale = settings.get("LogPixels", self.scale * 96) / 96
        entries = pathlib.Path(self.scratch, "look.reg")
        colours = "".join(f'"{k}"="{v}"\n' for k, v in settings.items() if k != "LogPixels")
        entries.write_text(f"REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\n{colours}\n"
                           "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"
                           f'"LogPixels"=dword:{round(self.scale * 96):08x}\n')
        subprocess.run(["wine", "reg", "import", entries], capture_output=True, check=True)
        subprocess.run(["wineserver", "--wait"])

    def start(self, look=Look("", None, {}), reader=False, broken=False):
        self.set(look.setting)
        program = self.broken_copy(self.program, "o.png") if broken else self.program
        return self.run(["wine", program], {"WINEDEBUG": "+loaddll"})

    def libraries(self):
        """The DLLs that the game's own process has loaded so far, in lower case."""
        loads = re.findall(r'^([0-9a-f]+):trace:loaddll:.* Loaded L"([^"]*)"', self.log(), re.M)
        game = next(p for p, dll in loads if dll.lower().endswith(os.path.basename(self.program)))
        return {dll.split("\\")[-1].lower() for p, dll in loads if p == game}

    def eyes(self):
        self.msaa = Msaa(["wine", self.client])
        return self.msaa

    def stop(self):
        if getattr(self, "msaa", None):
            self.msaa.close()
        super().stop()
        subprocess.run(["wineserver", "--wait"])

    def end(self):
        self.stop()
        # Wine keys its server by the prefix folder's inode, which a new prefix could reuse.
        subprocess.run(["wineserver", "--kill"])
        subprocess.run(["wineserver", "--wait"])
        super().end()


class Msaa:
    """msaa_client's answers: a line a row, ended by a line "."."""
    announces_renames, cells_take_focus = True, False

    def __init__(self, command):
        self.client = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                       text=True)
        self.announced = []
        if self.ask(None) != ["ZOR BEL KIN"]:
            fail('the window is not named "ZOR BEL KIN" to a screen reader')

    def ask(self, command):
        if command:
            self.client.stdin.write(command + "\n")
            self.client.stdin.flush()
        lines = []
        while (line := self.client.stdout.readline().rstrip("\r\n")) != ".":
            if not line and self.client.poll() is not None:
                fail(f"msaa_client ended: {lines}")
            lines.append(line)
        return lines

    ROLES = {"43": "push button", "42": "text", "41": "static text"}  # ROLE_SYSTEM_*

    def controls(self):
        found = []
        for line in self.ask("children"):
            handle, role, state, name, action, value, place = line.split("\t")
            # STATE_SYSTEM_UNAVAILABLE, _FOCUSABLE and _FOCUSED.
            states = ("unavailable" if int(state) & 1 else "enabled") + (
                " focusable" if int(state) & 0x100000 else "")
            told = f"{self.ROLES.get(role, role)}\t{name}\t{states}\t{action}"
            found.append(Control(told, name, value, tuple(map(int, place.split())),
                                 bool(int(state) & 4), handle))
        return found

    def at(self, x, y):
        return self.ask(f"at {x} {y}")

    def press(self, control):
        self.ask(f"press {control.handle}")

    def heard(self):
        self.announced += self.ask("heard")
        return self.announced

    def box(self):
        said = self.ask("box")
        return (said[0].split("\t")[0], set(said[0].split("\t")[1:])) if said else None

    def close(self):
        self.client.stdin.close()
        self.client.wait(10)
