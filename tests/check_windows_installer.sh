#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Installs the Windows installer silently under Wine on a private Xvfb display: the program, its
# licence and the notices of what is linked into it, and its Start-menu shortcut exist; Add/Remove
# Programs learns the version, publisher, place, size and how to uninstall quietly; the installed
# program starts; an older installation is replaced and a newer one refused; and a silent
# uninstall removes it all.
# Usage: check_windows_installer.sh INSTALLER.exe VERSION DEVELOPERS
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
installer=${1:?installer}
version=${2:?version}
developers=${3:?publisher}

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
for file in zorbelkin.exe LICENSE.txt notices/mingw-w64-runtime-and-winpthreads.txt \
    notices/gcc-runtime.txt notices/GPL-3.txt; do
    [ -f "$program_files/$file" ] || fail "no $file in $program_files"
done
grep -q 'Permission is hereby granted' "$program_files/LICENSE.txt" || fail "LICENSE.txt is not MIT"
grep -q 'winpthreads' "$program_files/notices/mingw-w64-runtime-and-winpthreads.txt" ||
    fail "no notice for winpthreads"
grep -q 'GCC RUNTIME LIBRARY EXCEPTION' "$program_files/notices/gcc-runtime.txt" ||
    fail "no notice for the GCC runtime and its exception"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
echo "installed: the program, its licence and notices, and its Start-menu shortcut"

[ "$(registered DisplayVersion)" = "$version" ] || fail "version $version is not registered"
[ "$(registered Publisher)" = "$developers" ] || fail "the publisher is \"$(registered Publisher)\""
[ "$(registered InstallLocation)" = 'C:\Program Files\ZORBELKIN' ] ||
    fail "the place is \"$(registered InstallLocation)\""
[ "$(registered QuietUninstallString)" = '"C:\Program Files\ZORBELKIN\Uninstall.exe" /S' ] ||
    fail "the quiet uninstall command is \"$(registered QuietUninstallString)\""
# EstimatedSize is in KiB, rounded down: the bytes of the files installed.
size=$(($(registered EstimatedSize)))
actual=$((($(find "$program_files" -type f -printf '%s+')0) / 1024))
[ "$size" -eq "$actual" ] ||
    fail "the estimated size is $size KiB for $actual KiB of files"
echo "Add/Remove Programs: $version by $developers, $size KiB, with a quiet uninstall command"

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
