#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Installs the Windows installer silently under Wine on a private Xvfb display: its Start-menu
# shortcut exists, Add/Remove Programs learns the version, and the installed program starts; an
# older installation is replaced and a newer one refused; and a silent uninstall removes it all.
# Usage: check_windows_installer.sh INSTALLER.exe VERSION
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
installer=${1:?installer}
version=${2:?version}

need_that "the installer" "nsis (tools/setup.sh windows builds it)" test -f "$installer"

on_display
start_wine 96 "0 0 0"
program_files="$WINEPREFIX/drive_c/Program Files/ZORBELKIN"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ZORBELKIN/ZORBELKIN.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORBELKIN'

# registered NAME: the value NAME of the program's Add/Remove Programs entry, as reg prints it.
registered() {
    wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
run_installer() {
    local status=0
    wine "$installer" /S || status=$?
    wineserver --wait
    return $status
}

run_installer || fail "the installer failed"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
[ "$(registered DisplayVersion)" = "$version" ] || fail "version $version is not registered"
echo "installed version $version, with its Start-menu shortcut"

start_game wine "$program_files/zorbelkin.exe"
kill "$game_pid"
wineserver --kill
game_pid=
echo "the installed program starts"

wine reg add "$uninstall_key" /v DisplayVersion /d 0.50 /f >/dev/null 2>&1
run_installer || fail "the installer did not replace version 0.50"
[ "$(registered DisplayVersion)" = "$version" ] || fail "version 0.50 was not replaced"
[ -f "$program_files/zorbelkin.exe" ] || fail "replacing version 0.50 lost the program"
echo "it replaces an older version"

wine reg add "$uninstall_key" /v DisplayVersion /d 99.00 /f >/dev/null 2>&1
rm "$program_files/LICENSE.txt"
if run_installer; then fail "the installer replaced the newer version 99.00"; fi
[ "$(registered DisplayVersion)" = 99.00 ] || fail "the newer version's entry was changed"
[ ! -e "$program_files/LICENSE.txt" ] || fail "the installer wrote over the newer version"
wine reg add "$uninstall_key" /v DisplayVersion /d "$version" /f >/dev/null 2>&1
echo "it refuses to replace a newer version"

wine "$program_files/Uninstall.exe" /S
# The uninstaller runs from a copy of itself, which ends after the first copy has returned.
wineserver --wait
until_true 30 eval '[ ! -e "$program_files" ] && [ ! -e "$shortcut" ]' ||
    fail "the uninstaller left $(ls -R "$program_files" "$shortcut" 2>&1)"
if wine reg query "$uninstall_key" >/dev/null 2>&1; then fail "the uninstaller left its registry key"; fi
echo "PASS: installed, started, replaced, refused and uninstalled silently"
