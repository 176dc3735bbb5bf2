#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Installs the Windows installer silently under Wine on a private Xvfb display: the program and
# its Start-menu shortcut exist, version 1.00 is registered for Add/Remove Programs, the installed
# program starts, and a silent uninstall removes it all.
# Usage: check_windows_installer.sh INSTALLER.exe
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
installer=${1:?installer}

need Xvfb xvfb
need xdpyinfo x11-utils
need xdotool xdotool
need_that "the installer" "nsis (tools/setup.sh windows builds it)" test -f "$installer"

on_display
start_wine 96 "0 0 0"
program_files="$WINEPREFIX/drive_c/Program Files/ZORBELKIN"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ZORBELKIN/ZORBELKIN.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORBELKIN'

wine "$installer" /S
wineserver --wait
[ -f "$program_files/zorbelkin.exe" ] || fail "no program in $program_files"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
wine reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | grep -q 'REG_SZ *1\.00' ||
    fail "version 1.00 is not registered for Add/Remove Programs"
echo "installed: the program, its Start-menu shortcut, and version 1.00 for Add/Remove Programs"

start_game wine "$program_files/zorbelkin.exe"
kill "$game_pid"
wineserver --kill
game_pid=
echo "the installed program starts"

wine "$program_files/Uninstall.exe" /S
# The uninstaller runs from a copy of itself, which ends after the first copy has returned.
wineserver --wait
until_true 30 eval '[ ! -e "$program_files" ] && [ ! -e "$shortcut" ]' ||
    fail "the uninstaller left $(ls "$program_files" "$shortcut" 2>&1)"
if wine reg query "$uninstall_key" >/dev/null 2>&1; then fail "the uninstaller left its registry key"; fi
echo "PASS: installed, started and uninstalled silently"
