#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Start-up time of OpaloSync to its main window's first frame, against a bare
# window, under Xvfb (or offscreen with BENCH_PLATFORM=offscreen), with a
# session bus and the HAL simulator serving a mounted sample device.
# Usage: run.sh BUILD_DIR [ROUNDS [OTHER_OPALOSYNC ...]], other builds of the
# program (an older one, say) running in turn with this one
set -euo pipefail

build=$(cd "${1:?usage: run.sh BUILD_DIR [ROUNDS [OTHER_OPALOSYNC ...]]}" && pwd)
rounds=${2:-20}
shift $(($# < 2 ? $# : 2))
top=$(cd "$(dirname "$0")/../.." && pwd)
# The video module, and whatever else the program loads at run time, from
# this build.
export OPALO_PLUGIN_DIR="$build/plugins"
bench="$build/bench/startup/bench_startup"
for program in "$bench" "$build/bench/startup/bench_startup_bare_window" "$build/src/app/OpaloSync" \
    "$build/tools/halsim/halsim" "$build/tools/halsim/halsim-ctl"; do
    [ -x "$program" ] || { echo "build $program first"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

"$top/tools/halsim/make-sample-device.sh" "$work/sample"
eval "$("$top/tools/halsim/halsim-bus" "$build/tools/halsim/halsim" "$work/sample/devices.json")"
pids+=("$HALSIM_PID" "$HALSIM_BUS_PID")
export DBUS_SYSTEM_BUS_ADDRESS
"$build/tools/halsim/halsim-ctl" mount opalo1 >/dev/null

if [ "${BENCH_PLATFORM:-xcb}" = offscreen ]; then
    export QT_QPA_PLATFORM=offscreen
else
    export QT_QPA_PLATFORM=xcb
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

dbus-run-session -- "$bench" "$rounds" "$build/src/app/OpaloSync" \
    "$build/bench/startup/bench_startup_bare_window" "$@"
