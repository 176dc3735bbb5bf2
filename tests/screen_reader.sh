#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Runs screen_reader.py on a private Xvfb display, in a private D-Bus session, where the AT-SPI
# bus starts on demand as it does on a desktop.
# Usage: screen_reader.sh GAME_BINARY SPOKEN_TABLE_BINARY
set -euo pipefail
here=$(dirname "$0")
. "$here/testlib.sh"
game=${1:?game binary}
table=${2:?the program that prints what the table tells}

need dbus-run-session dbus-bin
need_that "the AT-SPI bus" at-spi2-core test -x /usr/libexec/at-spi-bus-launcher
need_that "Python's GObject bindings" python3-gi /usr/bin/python3 -c 'import gi'
need_that "libatspi's bindings" gir1.2-atspi-2.0 \
    /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")'

on_display
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The session bus's notes on starting services are noise here.
dbus-run-session -- /usr/bin/python3 "$here/screen_reader.py" "$game" "$table" 2> >(grep -v -i -e 'fd limit' -e 'activat' >&2)
