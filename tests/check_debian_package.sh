#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Checks the Debian package as a Debian maintainer and a security reviewer would: lintian finds
# nothing, not even a pedantic or informational tag, and the game is hardened.
# Usage: check_debian_package.sh PACKAGE.deb ARCHITECTURE
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
package=${1:?package}
architecture=${2:?architecture}

need lintian lintian
need hardening-check devscripts
need dpkg-deb dpkg
need_that "the package $package" "dpkg-dev (tools/setup.sh package builds it)" test -f "$package"

in_scratch

echo "lintian --pedantic --display-info --display-experimental:"
report=$(lintian --pedantic --display-info --display-experimental --show-overrides "$package" 2>&1 |
    grep -v '^running with root privileges' || true)
# The one override the package may carry: AppStream 1.0 asks for the homepage that the project
# does not have yet. Lintian must say nothing else; that the metainfo fails for nothing but the
# homepage, the installed tree's test checks.
tags=$(grep -v -e '^N: ' -e '^O: zorbelkin: appstream-metadata-validation-failed' <<<"$report" || true)
[ -z "$tags" ] || fail "lintian: $report"
echo "  no tags but the override for the homepage, where the release asks for one"

dpkg-deb -x "$package" "$scratch"
game=$scratch/usr/games/zorbelkin
echo "hardening-check:"
# Lintian tells of a game built without PIE, read-only relocations, immediate binding or fortified
# functions; not of one without the stack protector, nor of arm64's control-flow protection
# (branch targets and signed returns), which shows only where the release's start files carry it
# too and its hardening-check knows it: Debian 13, not Debian 12. hardening-check fails when any
# feature is off, control-flow integrity among them, which Debian 12's own start files lack.
hardening-check "$game" >"$scratch/hardening" || true
sed 's/^/ /' "$scratch/hardening"
grep -q '^ Stack protected: yes' "$scratch/hardening" || fail "the stack protector is not on"
if [ "$architecture" = arm64 ] && grep -q '^ Branch Protection:' "$scratch/hardening"; then
    grep -q '^ Branch Protection: yes' "$scratch/hardening" || fail "branch protection is not on"
fi
echo "PASS: lintian finds nothing and the game is hardened"
