#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix, as `cmake --install --prefix ~/.local` would, and
# validates it as a desktop validates a program: its entry, its metainfo, its icons, its manual
# page, and a binary that finds its libraries without a search path of its own.
# Usage: check_install.sh BUILD_DIR APP_ID VERSION RELEASE_DATE SOURCE_ICONS_DIR
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
build=${1:?build dir}
id=${2:?application id}
version=${3:?version}
date=${4:?release date}
source_icons=${5:?the committed hicolor icons}

need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need identify imagemagick
need man man-db
need readelf binutils

in_scratch

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
[ -x "$scratch/usr/bin/zorbelkin" ] || fail "no executable usr/bin/zorbelkin"
if readelf --dynamic "$scratch/usr/bin/zorbelkin" | grep -E 'R(UN)?PATH'; then
    fail "the installed binary carries a library search path of its own"
fi
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

# AppStream 1.0 warns of the homepage that the project does not have yet; 0.16 has no such tag.
# Anything else it finds fails the test.
override=(--override=url-homepage-missing=info)
probe=$(appstreamcli validate --no-net "${override[@]}" /dev/null 2>&1 || true)
[[ "$probe" != *"not recognized"* ]] || override=()
echo "appstreamcli validate --no-net ${override[*]}:"
appstreamcli validate --no-net --no-color "${override[@]}" "$metainfo" | sed 's/^/  /' ||
    fail "appstreamcli found faults"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<release version=\"$version\" date=\"$date\">" "$metainfo" ||
    fail "the metainfo has no release $version of $date"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "the metainfo names no licence"

# The icons are the committed ones, whose sizes tst_artwork checks against the artwork's code;
# each must be installed where its size says.
icons=$(cd "$source_icons" && ls -d */apps/"$id".png)
[ -n "$icons" ] || fail "no icons in $source_icons"
for icon in $icons; do
    installed=$scratch/usr/share/icons/hicolor/$icon
    cmp --quiet "$source_icons/$icon" "$installed" || fail "$icon is not installed"
    [ "$(identify -format '%wx%h' "$installed")" = "${icon%%/*}" ] ||
        fail "$icon is $(identify -format '%wx%h' "$installed")"
done
echo "icons: $(echo $icons | sed 's|/apps/[^ ]*||g')"

echo "man --warnings 6 zorbelkin:"
warnings=$(MANPATH=$scratch/usr/share/man MANWIDTH=80 man --warnings 6 zorbelkin 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page has faults: $warnings"
page=$(MANPATH=$scratch/usr/share/man MANWIDTH=80 man 6 zorbelkin 2>/dev/null)
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS FILES; do
    grep -qx "$heading" <<<"$page" || fail "the manual page has no $heading section"
done
grep -q "zorbelkin $version  *$date" <<<"$page" || fail "the manual page is not of $version, $date"
echo "  no warnings; it names version $version of $date"
echo "PASS: the installed tree"
