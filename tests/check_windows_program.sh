#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Reads the Windows program's resources back from the program itself: the version record, the
# icon and the manifest; reads its hardening from its headers; and checks that it imports only
# DLLs that Windows ships.
# Usage: check_windows_program.sh GAME.exe VERSION DEVELOPERS
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
exe=${1:?Windows program}
version=${2:?version}
developers=${3:?copyright holder}
IFS=. read -r major minor <<<"$version"
minor=$((10#$minor))

need x86_64-w64-mingw32-windres binutils-mingw-w64-x86-64
need x86_64-w64-mingw32-objdump binutils-mingw-w64-x86-64
need_that "the Windows program" "g++-mingw-w64-x86-64-posix (tools/setup.sh windows builds it)" test -f "$exe"

in_scratch
x86_64-w64-mingw32-windres -J coff -i "$exe" -O rc -o "$scratch/readback.rc"

expect() {
    grep -qF -- "$1" "$scratch/readback.rc" || fail "the program's resources lack: $1"
}
expect 'LANGUAGE 9, 1'
expect "FILEVERSION $major, $minor, 0, 0"
expect "PRODUCTVERSION $major, $minor, 0, 0"
expect 'BLOCK "040904B0"'
expect "VALUE \"FileVersion\", \"$version\""
expect "VALUE \"ProductVersion\", \"$version\""
expect "VALUE \"CompanyName\", \"$developers\""
expect "VALUE \"LegalCopyright\", \"Copyright (c) $developers. MIT licence.\""
expect 'VALUE "Translation", 0x409, 1200'
expect '1 14 /* RT_GROUP_ICON */'
expect '1 24 /* RT_MANIFEST */'
echo "the program carries version $version (US English, Unicode string table 040904B0), its" \
    "copyright, icon and manifest"

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
header() { sed -n "s/^$1[[:space:]]*//p" <<<"$headers"; }
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE; do
    grep -qx "[[:space:]]*$flag" <<<"$headers" || fail "the program is not marked $flag"
done
[ "$(header MajorSubsystemVersion)" -ge 6 ] ||
    fail "the program asks for subsystem $(header MajorSubsystemVersion).$(header MinorSubsystemVersion)"
grep -q 'Base Relocation Directory \[\.reloc\]' <<<"$headers" ||
    fail "the program has no relocation table, so Windows cannot move it"
# The stack protector's runtime is linked in only where the compiler guarded a function.
grep -qF '*** stack smashing detected ***' <(strings "$exe") ||
    fail "the program has no stack protector"
echo "it is hardened: $(header DllCharacteristics | tr -d ' ') with relocations, subsystem" \
    "$(header MajorSubsystemVersion).$(header MinorSubsystemVersion), and a stack protector"

imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr 'a-z' 'A-Z' | sort)
# ADVAPI32 seeds the stack protector's canary; OLEACC and OLEAUT32 serve screen readers.
shipped="ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL OLEACC.DLL
    OLEAUT32.DLL USER32.DLL"
for dll in $imports; do
    [[ " $(echo $shipped) " == *" $dll "* ]] || fail "the program imports $dll, which Windows does not ship"
done
echo "it imports only $(echo $imports)"

echo "PASS: the Windows program's resources, hardening and imports are right"
