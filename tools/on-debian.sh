#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Runs a command of the README on a fresh Debian release: makes a minimal chroot of that release
# with debootstrap from the archive that this machine's apt already uses, copies this tree into
# it as a clone would hold it, runs the command there as root, and removes the chroot.
# Usage: tools/on-debian.sh RELEASE COMMAND...   e.g. tools/on-debian.sh trixie tools/setup.sh test
# RELEASE is a code name (bookworm, trixie) or testing. With ON_DEBIAN_ROOT=FOLDER the chroot is
# made there only if it is not there yet, and kept, so that its packages and builds serve the next
# run. The command finds the release in ON_DEBIAN, which tells it that the machine is made for it
# (tools/setup.sh then adds the package architectures that it needs).
set -euo pipefail
release=${1:?usage: $0 RELEASE COMMAND...}
shift
[ $# -gt 0 ] || { echo "usage: $0 RELEASE COMMAND..." >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "$0: debootstrap and chroot need root" >&2; exit 2; }
tree=$(cd "$(dirname "$0")/.." && pwd)

if ! command -v debootstrap >/dev/null; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
fi

# The first archive that apt's sources name, in either format; this machine may reach no other.
mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p; s/^deb \(\[[^]]*\] \)\?\([^ ]*\) .*/\2/p' \
    /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null |
    grep -v security | head -n 1 || true)
[ -n "$mirror" ] || { echo "$0: no Debian archive in apt's sources" >&2; exit 2; }

if [ -n "${ON_DEBIAN_ROOT:-}" ]; then
    root=$ON_DEBIAN_ROOT
    keep=true
else
    root=$(mktemp -d /var/tmp/on-debian.XXXXXX)
    keep=false
fi

unmount_all() {
    local point
    for point in dev sys proc; do
        ! mountpoint -q "$root/$point" || umount -R -l "$root/$point"
    done
}
# Ends whatever the command left running in the chroot (a Wine server, an accessibility bus), so
# that nothing holds it when it is removed.
end_processes() {
    local link
    for link in /proc/[0-9]*/root; do
        [ "$(readlink "$link" 2>/dev/null)" = "$root" ] || continue
        kill -9 "$(basename "$(dirname "$link")")" 2>/dev/null || true
    done
}
finish() {
    end_processes
    unmount_all
    [ "$keep" = true ] || rm -rf --one-file-system "$root"
}
trap finish EXIT

if [ ! -x "$root/usr/bin/apt-get" ]; then
    # Debian's debootstrap knows testing's newest code name only when it is recent: sid's script
    # makes any release that follows it.
    script=()
    [ -e "/usr/share/debootstrap/scripts/$release" ] || script=(/usr/share/debootstrap/scripts/sid)
    echo "making a minimal Debian $release in $root from $mirror"
    log=$(mktemp)
    debootstrap --variant=minbase "$release" "$root" "$mirror" "${script[@]}" >"$log" 2>&1 ||
        { tail -n 20 "$log" >&2; rm -f "$log"; exit 1; }
    rm -f "$log"
    # The archive keeps testing's Release file past its validity between uploads.
    echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99on-debian"
    # Packages start no services in a chroot.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod +x "$root/usr/sbin/policy-rc.d"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"

mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
mountpoint -q "$root/sys" || mount --rbind /sys "$root/sys"
mountpoint -q "$root/dev" || mount --rbind /dev "$root/dev"

# What a clone would hold, with the changes not yet committed: the files that git knows or would
# add, and its history, which the build takes its time stamps from.
mkdir -p "$root/root/zorbelkin"
(cd "$tree" && { git ls-files -z --cached --others --exclude-standard; printf '.git\0'; } |
    tar --null --ignore-failed-read -T - -cf - 2>/dev/null) | tar -C "$root/root/zorbelkin" -xf -

# Only what the command needs of this environment goes in, as a fresh machine's root would have.
# The command's words reach it as they are, never parsed by a shell again.
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" CI="${CI:-}" LANG=C.UTF-8 \
    ON_DEBIAN="$release" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /root/zorbelkin && echo "Debian $(cat /etc/debian_version) in a chroot: $*" &&
        "$@"' on-debian "$@"
