#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Builds the Debian package, the Windows program and its installer a second time, from a copy of
# the tree in another folder, and compares all three byte for byte with those already built. On a
# difference it shows what differs, with diffoscope where it is installed.
# Usage: check_reproducible.sh SOURCE_DIR VERSION
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
source=${1:?source dir}
version=${2:?version}

need git git
need x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix
need makensis nsis
need dpkg-shlibdeps dpkg-dev
cd "$source"
git rev-parse --git-dir >/dev/null 2>&1 || { echo "SKIP: not a git checkout"; exit 77; }
artefacts=(build/package/zorbelkin_${version}_amd64.deb build/windows/ui/win32/zorbelkin.exe
    build/windows/package/zorbelkin-${version}-win64.exe)
for artefact in "${artefacts[@]}"; do
    need_that "$artefact" "dpkg-dev and nsis (tools/setup.sh test builds it)" test -f "$artefact"
done

# The time stamp that tools/setup.sh gives the first build.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
copy=$scratch/zorbelkin
mkdir "$copy"
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$copy"

for preset in package windows; do
    echo "building the $preset preset in $copy"
    (cd "$copy" && cmake --workflow --preset "$preset") >"$scratch/$preset.log" 2>&1 ||
        fail "the second build failed: $(tail -n 20 "$scratch/$preset.log")"
done

differ=0
for artefact in "${artefacts[@]}"; do
    if cmp --quiet "$artefact" "$copy/$artefact"; then
        echo "same: $(sha256sum "$artefact")"
        continue
    fi
    differ=1
    echo "DIFFERENT: $artefact"
    sha256sum "$artefact" "$copy/$artefact"
    if command -v diffoscope >/dev/null; then
        diffoscope --text - "$artefact" "$copy/$artefact" | head -n 200 || true
    else
        cmp "$artefact" "$copy/$artefact" || true
    fi
done
[ $differ = 0 ] || fail "two builds of the same sources differ (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH)"
echo "PASS: a second build from another folder gives the same package, program and installer"
