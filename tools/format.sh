#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Formats the C++ sources in place with the committed .clang-format; with --check, only reports.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(-i)
[ "${1:-}" = --check ] && mode=(--dry-run --Werror)
git ls-files -- '*.h' '*.cpp' | xargs clang-format "${mode[@]}"
