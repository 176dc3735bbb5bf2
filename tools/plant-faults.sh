#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Plants each fault of a list in a built tree, alone, runs that tree's tests and prints which
# tests failed, as a Markdown table; a fault that no test catches shows "SURVIVED". Restores the
# source and rebuilds after each. Run it on a clean working tree whose build folders are built.
# Exit status 1 when a fault survived, did not plant or did not build.
# Usage: tools/plant-faults.sh [FAULT_LIST [CTEST_EXCLUDE_REGEX]]
#        (default: tools/faults.txt, excluding the slow "reproducible" test)
set -euo pipefail
cd "$(dirname "$0")/.."
list=${1:-tools/faults.txt}
exclude=${2:-^reproducible$}
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
    { echo "plant-faults: commit or stash your changes first" >&2; exit 2; }
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}

# A run that stops early leaves no fault behind.
file=
trap '[ -z "$file" ] || git checkout --quiet -- "$file"' EXIT

echo "| fault | tree | caught by |"
echo "|---|---|---|"
status=0
while IFS=$'\t' read -r tree file expression seen <&3; do
    sed -i "$expression" "$file"
    if git diff --quiet -- "$file"; then
        caught="NOT PLANTED: the expression matches nothing"
    elif ! cmake --build "build/$tree" >/dev/null 2>&1; then
        caught="DOES NOT BUILD"
    else
        caught=$({ ctest --test-dir "build/$tree" -E "$exclude" 2>&1 || true; } |
            sed -n '/tests FAILED:/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\) (.*/\1/p' | paste -sd, - | sed 's/,/, /g')
        caught=${caught:-SURVIVED}
    fi
    git checkout --quiet -- "$file"
    case "$caught" in SURVIVED | NOT\ PLANTED* | DOES\ NOT\ BUILD) status=1 ;; esac
    echo "| $seen | $tree | $caught |"
done 3< <(grep -v -e "^#" -e "^$" "$list")
for tree in $(grep -v -e '^#' -e '^$' "$list" | cut -f1 | sort -u); do
    cmake --build "build/$tree" >/dev/null 2>&1
done
exit $status
