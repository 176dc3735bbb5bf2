#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Formats the C++ sources in place with the committed .clang-format; with --check, only reports.
# One version formats alike on every release the project supports: clang-format 19, which Debian
# 12 and 13 both ship as clang-format-19 (each major version formats some code its own way).
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(-i)
[ "${1:-}" = --check ] && mode=(--dry-run --Werror)
git ls-files -- '*.h' '*.cpp' | xargs clang-format-19 "${mode[@]}"
