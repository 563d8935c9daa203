#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Fails when a C++ file of the repository is not formatted as .clang-format
# says; `clang-format-19 -i FILE` formats it (the same version on Debian 12
# and 13, whose output differs from older ones).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 "${1:-clang-format-19}" --dry-run --Werror
