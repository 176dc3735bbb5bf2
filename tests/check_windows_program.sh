#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Reads the version record back from the Windows program itself, and checks that it imports only
# DLLs that Windows ships.
# Usage: check_windows_program.sh GAME.exe VERSION
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
exe=${1:?Windows program}
version=${2:?version}

need x86_64-w64-mingw32-windres binutils-mingw-w64-x86-64
need x86_64-w64-mingw32-objdump binutils-mingw-w64-x86-64
need_that "the Windows program" "g++-mingw-w64-x86-64-posix (tools/setup.sh windows builds it)" test -f "$exe"

in_scratch
x86_64-w64-mingw32-windres -J coff -i "$exe" -O rc -o "$scratch/readback.rc"
# The version that Explorer shows in the file's properties.
for line in "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\""; do
    grep -qF -- "$line" "$scratch/readback.rc" || fail "the program's resources lack: $line"
done
echo "the program carries version $version"

imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr 'a-z' 'A-Z' | sort)
# ADVAPI32 seeds the stack protector's canary; OLEACC and OLEAUT32 serve screen readers.
shipped="ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL OLEACC.DLL
    OLEAUT32.DLL USER32.DLL"
for dll in $imports; do
    [[ " $(echo $shipped) " == *" $dll "* ]] || fail "the program imports $dll, which Windows does not ship"
done
echo "PASS: it imports only $(echo $imports)"
