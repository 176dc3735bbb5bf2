#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and validates it as a desktop program would be
# validated, then builds the Debian package and checks what it holds and depends on.
# Usage: check_install.sh BUILD_DIR APP_ID
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
build=${1:?build dir}
id=${2:?application id}

need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need dpkg-shlibdeps dpkg-dev
need file file
need identify imagemagick

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
[ -x "$scratch/usr/bin/zorbelkin" ] || fail "no executable usr/bin/zorbelkin"
desktop=$scratch/usr/share/applications/$id.desktop
metainfo=$scratch/usr/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry $id.desktop"
[ -f "$metainfo" ] || fail "no metainfo $id.metainfo.xml"

echo "desktop-file-validate:"
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
echo "  no errors, no warnings"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qx "Exec=zorbelkin" "$desktop" || fail "the desktop entry does not start zorbelkin"

echo "appstreamcli validate --no-net:"
appstreamcli validate --no-net --no-color "$metainfo" | sed 's/^/  /' ||
    fail "appstreamcli found errors"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q '<release version="1.00"' "$metainfo" || fail "the metainfo has no release 1.00"

for size in 16 22 24 32 48 64 128 256; do
    icon=$scratch/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] ||
        fail "the ${size}x${size} icon is $(identify -format '%wx%h' "$icon")"
done

echo "cpack -G DEB:"
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null)
package=$(ls "$scratch"/package/zorbelkin_1.00_*.deb) || fail "no zorbelkin_1.00 package was built"
depends=$(dpkg-deb -f "$package" Depends)
echo "  Depends: $depends"
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6; do
    [[ "$depends" == *"$library"* ]] || fail "the package does not depend on $library"
done
contents=$(dpkg-deb -c "$package" | awk '{print $NF}')
for file in ./usr/bin/zorbelkin "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/256x256/apps/$id.png"; do
    grep -qx -- "$file" <<<"$contents" || fail "the package does not hold $file"
done
echo "PASS: installed tree and package"
