#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Runs a build workflow a second time, from a copy of the tree in another folder, and compares
# what it made byte for byte with what the first run made. On a difference diffoscope shows what
# differs.
# Usage: check_reproducible.sh SOURCE_DIR WORKFLOW ARTEFACT... (artefacts relative to SOURCE_DIR)
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
source=${1:?source dir}
workflow=${2:?workflow preset}
shift 2
artefacts=("$@")

need git git
need diffoscope diffoscope-minimal
cd "$source"
need_that "a git checkout of the tree" "git, and a clone of the tree" git rev-parse --git-dir
for artefact in "${artefacts[@]}"; do
    need_that "$artefact" "the tools of the $workflow workflow (tools/setup.sh test builds it)" \
        test -f "$artefact"
done

# The time stamp that tools/setup.sh gives the first build.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
in_scratch
copy=$scratch/zorbelkin
mkdir "$copy"
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$copy"

echo "running the $workflow workflow in $copy"
(cd "$copy" && cmake --workflow --preset "$workflow") >"$scratch/build.log" 2>&1 ||
    fail "the second build failed: $(tail -n 20 "$scratch/build.log")"

for artefact in "${artefacts[@]}"; do
    cmp --quiet "$artefact" "$copy/$artefact" && continue
    diffoscope --text - "$artefact" "$copy/$artefact" | head -n 200 || true
    fail "two builds of the same sources differ in $artefact (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH)"
done
echo "PASS: a second build from another folder gives the same ${artefacts[*]}"
