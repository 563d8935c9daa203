#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Qt 6 on this machine's release (Debian 12: Qt 6.4, no KDE Frameworks 6, so
# no KDE plug-in): every test, without the sanitizers, fuzzers or packages,
# which the Qt 5 run covers; and without debug information, which only those
# would read (a fifth less to compile).
#   OPALO_CI_DIR  CI's folder (default build-ci); the build is OPALO_CI_DIR/qt6
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${OPALO_CI_DIR:-build-ci}")/qt6

OPALO_QT_VERSION=6 scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOPALO_WERROR=ON -DOPALO_QT_VERSION=6 \
    -DCMAKE_CXX_FLAGS_DEBUG=-g0 -DCMAKE_C_FLAGS_DEBUG=-g0 \
    -DOPALO_BENCH=OFF -DCMAKE_UNITY_BUILD=ON -DOPALO_LINKER=mold >/dev/null
cmake --build "$build"
# Nothing of Qt 5 may slip in through a library found by another name.
if readelf -d "$build/src/app/OpaloSync" "$build"/plugins/*.so | grep -q '\[libQt5'; then
    echo "qt6: the Qt 6 build links Qt 5" >&2
    exit 1
fi
(cd "$build" && ctest --output-on-failure -j "$(nproc)")
