#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what is missing, builds with AddressSanitizer and UBSan, and runs
# every test with CTest, then the fuzzers and the package test.
#   OPALO_QT_VERSION     5 or 6 (default: what install-deps.sh picks for the release)
#   OPALO_TEST_SANITIZE  OFF builds without the sanitizers (default ON)
#   OPALO_TEST_DEBUG_INFO OFF builds without debug information (default ON):
#                        a fifth less to compile where no debugger or
#                        sanitizer report will read it
#   OPALO_TEST_BUILD_DIR build folder (default build-test)
#   OPALO_FUZZ_SECONDS   seconds per fuzz target (default 60; 0 leaves the fuzzers out)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=${OPALO_TEST_BUILD_DIR:-build-test}
# ccache, where a developer has it, keeps rebuilds short; clones of the tree
# share its entries.
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=true
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
debug_info=()
if [ "${OPALO_TEST_DEBUG_INFO:-ON}" = OFF ]; then
    debug_info=(-DCMAKE_CXX_FLAGS_DEBUG=-g0 -DCMAKE_C_FLAGS_DEBUG=-g0)
fi
# A whole build at once: each library's sources merged into a few files
# (a quarter less to compile) and linked by mold.
cmake -S . -B "$build" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Debug -DOPALO_SANITIZE="${OPALO_TEST_SANITIZE:-ON}" \
    -DOPALO_WERROR=ON -DCMAKE_UNITY_BUILD=ON -DOPALO_LINKER=mold \
    ${OPALO_QT_VERSION:+-DOPALO_QT_VERSION=$OPALO_QT_VERSION} "${debug_info[@]}" >/dev/null
cmake --build "$build"
(cd "$build" && ctest --output-on-failure -j "$(nproc)")
# The file parsers also face a fuzzer (a minute each by default).
if [ "${OPALO_FUZZ_SECONDS:-60}" != 0 ]; then
    scripts/fuzz.sh
fi
# The Debian packages: built and checked by lintian, then, as root (as in CI),
# installed, started against the simulator and purged again.
if [ "$(id -u)" -eq 0 ]; then
    scripts/package.sh
    OPALO_TEST_BUILD_DIR="$build" tests/package/install-test.sh
fi
