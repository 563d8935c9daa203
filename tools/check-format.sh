#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Fails when a C++ file of the repository is not formatted as .clang-format
# says; `clang-format-19 -i FILE` formats it (the same version on Debian 12
# and 13, whose output differs from older ones).
set -euo pipefail
cd "$(dirname "$0")/.."
# A copy of the tree without its history (CI's Debian 13 tree) is searched
# instead, its build folders left out.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h'
else
    find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -type f -print0
fi | xargs -0 "${1:-clang-format-19}" --dry-run --Werror
