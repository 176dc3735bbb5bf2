# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""The Linux program as a native Wayland client of weston, nested in a private Xvfb display so
that xdotool can work the pointer (weston's headless backend has none): it names its toplevel
"ZOR BEL KIN" with the desktop entry's app id, and ends with status 0 and nothing said when the
close button on its frame is clicked. Usage: wayland.py GAME DESKTOP_ENTRY"""
import os
import re
import subprocess
import sys

from desktop import Desktop, xdo
from kit import Shot, fail, found, need, until

GROUND = (0x20, 0x40, 0x60)  # weston's, so that the game's window is all that shows
WIDTH, HEIGHT = 640, 560


def close_button(output):
    """The middle of the close button on the one window's frame, once weston's ground and the
    whole window show (weston 14 starts from black)."""
    window = [(x, y) for y in range(output.height) for x in range(output.width)
              if output.pixel(x, y) != bytes(GROUND)]
    if not window or (0, 0) in window or max(window)[0] - min(window)[0] < 470:
        return None
    # Qt's own frame draws it 17 pixels in from the frame's right and 14 down from its top.
    return max(window)[0] - 17, min(y for _, y in window) + 14


def main():
    game, entry = sys.argv[1:]
    need("weston", "weston")
    plugins = subprocess.run(["qtpaths6", "--query", "QT_INSTALL_PLUGINS"], capture_output=True,
                             text=True).stdout.strip()
    need(f"{plugins}/platforms/libqwayland-generic.so", "qt6-wayland")
    display, weston = Desktop(), None
    try:
        os.environ["XDG_RUNTIME_DIR"] = runtime = os.path.join(display.scratch, "runtime")
        os.mkdir(runtime, 0o700)
        config = os.path.join(display.scratch, "weston.ini")
        with open(config, "w") as f:
            f.write("[core]\nidle-time=0\n[shell]\nbackground-color=0xff%02x%02x%02x\n"
                    "panel-position=none\n" % GROUND)
        xdo("mousemove", WIDTH + 159, HEIGHT + 39)  # off weston's output, which then has no cursor
        weston = subprocess.Popen(["weston", f"--config={config}", "--backend=x11-backend.so",
                                   f"--width={WIDTH}", f"--height={HEIGHT}",
                                   "--socket=wayland-zorbelkin"], stderr=subprocess.DEVNULL)
        until("weston's socket", lambda: os.path.exists(f"{runtime}/wayland-zorbelkin"), seconds=20)
        display.run([game], {"WAYLAND_DISPLAY": "wayland-zorbelkin", "QT_QPA_PLATFORM": "wayland",
                             "WAYLAND_DEBUG": "client"}, window=False)
        # libwayland writes an object as interface@id, and as interface#id since 1.23.
        until("a toplevel", lambda: bool(re.search(r"xdg_toplevel[@#]", display.log())), seconds=20)
        app_id = os.path.basename(entry).removesuffix(".desktop")
        for said in ['set_title("ZOR BEL KIN")', f'set_app_id("{app_id}")']:
            if said not in display.log():
                fail(f"the toplevel was not told {said}")
        print(f'the toplevel is titled "ZOR BEL KIN" with the app id {app_id}')
        # Two looks in a row agree, so that a frame still being placed or painted is not clicked.
        looks = []
        output = lambda: Shot(subprocess.run(["import", "-window", "root", "-crop",
                                              f"{WIDTH}x{HEIGHT}+0+0", "+repage", "-depth", "8",
                                              "ppm:-"], capture_output=True).stdout)
        button = found("a steady close button", lambda: looks.append(close_button(output()))
                       or (looks[-2:] == looks[-1:] * 2 and looks[-1]), 20)
        # weston 14 drops a button pressed before it has told the game that the pointer is there.
        news = lambda: len(re.findall(r"wl_pointer[@#][0-9]+\.(?:enter|motion)\(", display.log()))
        before = news()
        xdo("mousemove", *button)
        until("the pointer reaching the game", lambda: news() > before)
        xdo("click", 1)
        until("the game's status once closed", display.status, 0)
        said = [line for line in display.log().splitlines() if not re.match(r"\[ *[0-9.]*\]", line)]
        if said:
            fail(f"the game said: {said}")
    finally:
        # weston holds the test's output open: left running, it would hold the test to its timeout.
        if weston:
            weston.terminate()
            weston.wait(10)
        display.end()
    print("PASS: on Wayland, named with its app id, and closed with status 0 and nothing said")


main()
