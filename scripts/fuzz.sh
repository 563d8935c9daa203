#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the libFuzzer targets with clang (AddressSanitizer and UBSan on) and
# runs each on a copy of its seed corpus. Exits non-zero when a target
# crashes; the crashing input is kept in the build folder.
#   OPALO_FUZZ_SECONDS  seconds per target (default 60)
#   OPALO_FUZZ_BUILD_DIR  build folder (default build-fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${OPALO_FUZZ_SECONDS:-60}
build=${OPALO_FUZZ_BUILD_DIR:-build-fuzz}
targets=(exif jpeg tga reply)

mkdir -p "$build"
if ! { CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOPALO_FUZZ=ON -DOPALO_SANITIZE=ON -DBUILD_TESTING=OFF -DOPALO_BENCH=OFF &&
    cmake --build "$build" --target "${targets[@]/#/fuzz_}"; } >"$build/build.log" 2>&1; then
    echo "fuzz: the build failed (log $build/build.log)"
    tail -n 20 "$build/build.log"
    exit 1
fi

# One target per core at a time: each fuzzer runs on one core.
fuzz() { # target; prints one line, fails on a crash
    local target=$1 work="$build/fuzz-$1"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp fuzz/corpus/"$target"/* "$work/corpus/"
    local log="$work/fuzz.log"
    if ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1 \
        QT_QPA_PLATFORM=offscreen "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=70000 \
        -rss_limit_mb=2048 -timeout=10 -artifact_prefix="$work/artifacts/" "$work/corpus" >"$log" 2>&1; then
        echo "fuzz_$target: $(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 || echo done) in ${seconds}s, no crash"
    else
        echo "fuzz_$target: CRASH (log $log, inputs in $work/artifacts)"
        grep -m 5 -E 'ERROR|SUMMARY|runtime error' "$log" || true
        return 1
    fi
}

pids=()
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
    fuzz "$target" >"$build/fuzz-$target.result" 2>&1 &
    pids+=($!)
done
status=0
for i in "${!targets[@]}"; do
    wait "${pids[$i]}" || status=1
    cat "$build/fuzz-${targets[$i]}.result"
done
exit $status
