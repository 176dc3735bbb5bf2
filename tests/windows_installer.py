# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT

"""Installs the Windows installer silently under Wine on a private Xvfb display: its Start-menu
shortcut exists, Add/Remove Programs learns the version, and the installed program carries it,
imports only DLLs that Windows ships and starts; an older installation is replaced and a newer
one refused; and a silent uninstall removes it all. Usage: windows_installer.py INSTALLER.exe
VERSION"""
import os
import re
import subprocess
import sys

from desktop import Wine
from kit import fail, need, until

# ADVAPI32 seeds the stack protector's canary; OLEACC and OLEAUT32 serve screen readers.
SHIPPED = {"ADVAPI32.DLL", "COMCTL32.DLL", "GDI32.DLL", "KERNEL32.DLL", "MSVCRT.DLL", "OLE32.DLL",
           "OLEACC.DLL", "OLEAUT32.DLL", "USER32.DLL"}
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
    for tool in ("x86_64-w64-mingw32-windres", "x86_64-w64-mingw32-objdump"):
        need(tool, "binutils-mingw-w64-x86-64")
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
        # The version that Explorer shows in the file's properties, and the DLLs it needs.
        said = lambda *command: subprocess.run(command, capture_output=True, text=True).stdout
        rc = said("x86_64-w64-mingw32-windres", "-J", "coff", "-i", program, "-O", "rc")
        imports = {dll.upper() for dll in re.findall(r"DLL Name: (\S+)", said(
            "x86_64-w64-mingw32-objdump", "-p", program))}
        if any(f'VALUE "{kind}Version", "{version}"' not in rc for kind in ("File", "Product")):
            fail(f"the program's version strings do not say {version}")
        if not imports or imports - SHIPPED:
            fail(f"the program imports {sorted(imports)}, not only DLLs that Windows ships")
        print(f"it carries version {version} and imports only {', '.join(sorted(imports))}")
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
