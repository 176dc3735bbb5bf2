# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Installs the Windows installer silently under Wine on a private Xvfb display: its Start-menu
shortcut exists, Add/Remove Programs learns the version, and the installed program starts; an
older installation is replaced and a newer one refused; and a silent uninstall removes it all.

Usage: windows_installer.py INSTALLER.exe VERSION
"""
import os
import subprocess
import sys

from desktop import Wine
from kit import fail, need, until

ENTRY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORBELKIN"


def wine(*args, wait=False):
    """Runs a Windows program; with wait, until every process that it started has ended."""
    done = subprocess.run(["wine", *args], capture_output=True, text=True)
    if wait:
        subprocess.run(["wineserver", "--wait"])
    return done


def registered():
    """The version in the program's Add/Remove Programs entry, if it has one."""
    said = wine("reg", "query", ENTRY, "/v", "DisplayVersion").stdout.split()
    return said[-1] if "DisplayVersion" in said else None


def main():
    installer, version = sys.argv[1:]
    need(installer, "nsis (tools/setup.sh windows builds it)")
    desktop = Wine(None, None)
    drive = os.path.join(os.environ["WINEPREFIX"], "drive_c")
    files = os.path.join(drive, "Program Files", "ZORBELKIN")
    shortcut = os.path.join(drive, "ProgramData", "Microsoft", "Windows", "Start Menu",
                            "Programs", "ZORBELKIN", "ZORBELKIN.lnk")
    installs = lambda: wine(installer, "/S", wait=True).returncode == 0
    program = os.path.join(files, "zorbelkin.exe")
    try:
        if not installs() or not os.path.exists(shortcut) or registered() != version:
            fail(f"the installer failed, made no Start-menu shortcut or did not register {version}")
        print(f"installed version {version}, with its Start-menu shortcut")
        desktop.run(["wine", program])
        desktop.stop()
        print("the installed program starts")

        wine("reg", "add", ENTRY, "/v", "DisplayVersion", "/d", "0.50", "/f")
        if not installs() or registered() != version or not os.path.exists(program):
            fail("the installer did not replace version 0.50, or lost the program")
        print("it replaces an older version")
        wine("reg", "add", ENTRY, "/v", "DisplayVersion", "/d", "99.00", "/f")
        licence = os.path.join(files, "LICENSE.txt")
        os.remove(licence)
        if installs() or registered() != "99.00" or os.path.exists(licence):
            fail("the installer replaced the newer version 99.00, or wrote over it")
        wine("reg", "add", ENTRY, "/v", "DisplayVersion", "/d", version, "/f")
        print("it refuses to replace a newer version")

        wine(os.path.join(files, "Uninstall.exe"), "/S", wait=True)
        # The uninstaller runs from a copy of itself, which ends after the first copy has returned.
        until("the installation gone", lambda: [p for p in (files, shortcut) if os.path.exists(p)],
              [], 30)
        if wine("reg", "query", ENTRY).returncode == 0:
            fail("the uninstaller left its registry key")
    finally:
        desktop.end()
    print("PASS: installed, started, replaced, refused and uninstalled silently")


main()
