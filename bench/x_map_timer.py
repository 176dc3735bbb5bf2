# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
"""Times programs from their start until the X server maps a top-level window of theirs with a
given title: the moment the window reaches the player's screen. Reads the process's peak resident
memory then, and closes the window as a window manager would. The programs take turns, round
after round, after one round that is not counted. Prints each program's medians and the median of
its ratios to the first program's run of the same round.

Usage: x_map_timer.py ROUNDS NAME TITLE COMMAND [NAME TITLE COMMAND]...
(COMMAND is one shell word list, split at blanks; DISPLAY names the X display.)
"""
import ctypes
import select
import statistics
import subprocess
import sys
import time

MAP_NOTIFY = 19
CLIENT_MESSAGE = 33
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong),
                ("window", ctypes.c_ulong), ("override_redirect", ctypes.c_int)]


class ClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("map", MapEvent), ("message", ClientMessageEvent),
                ("pad", ctypes.c_long * 24)]


x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
for name, arguments in {"XSelectInput": [ctypes.c_ulong, ctypes.c_long],
                        "XConnectionNumber": [], "XPending": [], "XFlush": [],
                        "XNextEvent": [ctypes.POINTER(Event)],
                        "XFetchName": [ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)],
                        "XSendEvent": [ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                       ctypes.POINTER(Event)]}.items():
    getattr(x, name).argtypes = [ctypes.c_void_p] + arguments
display = x.XOpenDisplay(None)
if not display:
    sys.exit("FAIL: no X display")
root = x.XDefaultRootWindow(display)
x.XSelectInput(display, root, SUBSTRUCTURE_NOTIFY_MASK)
protocols = x.XInternAtom(display, b"WM_PROTOCOLS", False)
delete_window = x.XInternAtom(display, b"WM_DELETE_WINDOW", False)


def mapped(title, deadline):
    """The next top-level window titled title that the server maps, and when it did."""
    event = Event()
    while time.monotonic() < deadline:
        if not x.XPending(display):
            select.select([x.XConnectionNumber(display)], [], [], 0.5)
            continue
        x.XNextEvent(display, ctypes.byref(event))
        if event.type != MAP_NOTIFY or event.map.override_redirect:
            continue
        seen = time.monotonic()
        name = ctypes.c_char_p()
        if x.XFetchName(display, event.map.window, ctypes.byref(name)) and name.value == title:
            return event.map.window, seen
    return None, None


def peak_kibibytes(pid):
    with open(f"/proc/{pid}/status") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmHWM:"))


def close(window):
    event = Event()
    event.message.type = CLIENT_MESSAGE
    event.message.window = window
    event.message.message_type = protocols
    event.message.format = 32
    event.message.data[0] = delete_window
    x.XSendEvent(display, window, False, 0, ctypes.byref(event))
    x.XFlush(display)


def run(name, title, command):
    start = time.monotonic()
    process = subprocess.Popen(command.split(), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    window, seen = mapped(title.encode(), start + 60)
    if window is None:
        process.kill()
        sys.exit(f"FAIL: {name} mapped no window titled \"{title}\" in a minute")
    memory = peak_kibibytes(process.pid)
    close(window)
    try:
        process.wait(30)
    except subprocess.TimeoutExpired:
        process.kill()
        sys.exit(f"FAIL: {name} did not end when its window was closed")
    return (seen - start) * 1000, memory


def main():
    rounds = int(sys.argv[1])
    programs = [sys.argv[i:i + 3] for i in range(2, len(sys.argv), 3)]
    for program in programs:
        run(*program)  # warms the caches; not counted
    runs = [[run(*program) for program in programs] for _ in range(rounds)]
    print(f"{'program':32} {'ms':>8} {'peak KiB':>10} {'ms / 1st':>9} {'KiB / 1st':>10}")
    for p, (name, _, _) in enumerate(programs):
        mine = [r[p] for r in runs]
        print(f"{name:32} {statistics.median(m for m, _ in mine):8.1f}"
              f" {statistics.median(k for _, k in mine):10.0f}"
              f" {statistics.median(r[p][0] / r[0][0] for r in runs):9.3f}"
              f" {statistics.median(r[p][1] / r[0][1] for r in runs):10.3f}")
    print(f"medians of {rounds} rounds; the ratios are medians of each round's ratio")


main()
