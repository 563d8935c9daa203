#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what is missing, builds OpaloSync and starts it against a
# simulated OPALO netbook: a private D-Bus bus stands in for the system bus,
# and the HAL simulator on it serves a sample device filled with generated
# pictures, music, videos and documents. With no display it runs under Xvfb,
# waits for the main window, saves a screenshot, prints its path and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

scripts/install-deps.sh
build=${OPALO_DEMO_BUILD_DIR:-build-demo}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DOPALO_BENCH=OFF >/dev/null
cmake --build "$build" --target OpaloSync gtkShellMenu halsim halsim-ctl
program="$top/$build/src/app/OpaloSync"
# The context-menu plug-in built here, not an installed one.
export OPALO_PLUGIN_DIR="$top/$build/plugins"
title="Vantora OPALO™ Sync"

pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT

sample="$top/$build/sample-device"
tools/halsim/make-sample-device.sh "$sample"
eval "$(tools/halsim/halsim-bus "$top/$build/tools/halsim/halsim" "$sample/devices.json")"
pids+=("$HALSIM_PID" "$HALSIM_BUS_PID")
export DBUS_SYSTEM_BUS_ADDRESS
ctl="$top/$build/tools/halsim/halsim-ctl"
# As a desktop's automounter would, unless OPALO_DEMO_MOUNTED=0 asks for the
# "Connect" button to do it.
if [ "${OPALO_DEMO_MOUNTED:-1}" = 1 ]; then
    "$ctl" mount opalo1 >/dev/null
fi
cat <<EOT
Simulated OPALO netbook "opalo1" over $sample/device, on the bus
  DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SYSTEM_BUS_ADDRESS
From another terminal:
  DBUS_SYSTEM_BUS_ADDRESS='$DBUS_SYSTEM_BUS_ADDRESS' $ctl list
  DBUS_SYSTEM_BUS_ADDRESS='$DBUS_SYSTEM_BUS_ADDRESS' $ctl unplug opalo1   # take the device out
  DBUS_SYSTEM_BUS_ADDRESS='$DBUS_SYSTEM_BUS_ADDRESS' $ctl plug opalo1     # and back in
EOT

if [ -n "${DISPLAY:-}" ]; then
    "$program" "$@"
    exit 0
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$program" "$@" &
pids+=($!)
for _ in $(seq 100); do
    xwininfo -name "$title" >/dev/null 2>&1 && break
    sleep 0.1
done
xwininfo -name "$title" >/dev/null 2>&1 || { echo "The main window did not appear" >&2; exit 1; }
# Let the window paint, find the device and collect its storage figures.
sleep "${OPALO_DEMO_SHOT_DELAY:-4}"

mkdir -p screenshots
shot="$top/screenshots/opalosync-$(date +%Y%m%d-%H%M%S).png"
xwd -silent -root | /usr/bin/convert xwd:- -trim +repage "$shot"
echo "Screenshot: $shot"
