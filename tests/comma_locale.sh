#!/usr/bin/env bash
# SPDX-FileCopyrightText: The ZORBELKIN developers
# SPDX-License-Identifier: MIT
# Makes a locale that writes a decimal comma, from Debian's locale sources, for the rules' test.
# Usage: comma_locale.sh FOLDER
set -euo pipefail
. "$(dirname "$0")/testlib.sh"
need_that "the de_DE locale source" locales test -f /usr/share/i18n/locales/de_DE
localedef --no-archive -c -i de_DE -f UTF-8 "${1:?folder}/de_DE.UTF-8"
