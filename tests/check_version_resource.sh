#!/usr/bin/env bash
# Compiles the Windows version record as a Windows build would, reads it back from the compiled
# resource, and checks its version, language and string table.
# Usage: check_version_resource.sh RC_FILE
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
rc=${1:?resource file}

need x86_64-w64-mingw32-windres binutils-mingw-w64-x86-64
need cpp cpp

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
windres=x86_64-w64-mingw32-windres
$windres --preprocessor=cpp -i "$rc" -O res -o "$scratch/version.res"
$windres -J res -i "$scratch/version.res" -O rc -o "$scratch/readback.rc"

expect() {
    grep -qF -- "$1" "$scratch/readback.rc" || fail "the compiled record lacks: $1"
}
expect 'LANGUAGE 9, 1'
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'BLOCK "040904B0"'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "Translation", 0x409, 1200'
echo "PASS: the version record reads 1.00, US English, Unicode string table 040904B0"
