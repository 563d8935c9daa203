#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Copy speed of the engine against cp -r and rsync -a.
# Usage: run.sh BUILD_DIR [FOLDER [ROUNDS [warm|cold [SETS [COPY_FOLDER]]]]], SETS a subset of "abc",
# COPY_FOLDER where the copies go when not under FOLDER (another file system)
set -euo pipefail

build=$(cd "${1:?usage: run.sh BUILD_DIR [FOLDER [ROUNDS [warm|cold [SETS [COPY_FOLDER]]]]]}" && pwd)
bench="$build/bench/copy/bench_copy"
[ -x "$bench" ] || { echo "build $bench first"; exit 1; }

if ! command -v rsync >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends rsync >/dev/null
fi

exec "$bench" "${2:-${TMPDIR:-/tmp}}" "${3:-5}" "${4:-warm}" "${5:-abc}" ${6:+"$6"}
