#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what is missing, builds OpaloSync and starts it against a
# simulated OPALO netbook: a private D-Bus bus stands in for the system bus,
# and the HAL simulator on it serves a sample device filled with generated
# pictures, music, videos and documents. With no display it runs under Xvfb,
# waits for the main window, saves a screenshot, prints its path and exits.
#
# OPALO_DEMO_BACKEND=udisks2 (root only) runs the real UDisks2 service
# instead, with polkitd and udevd, over a loop disk made from an ext4 image
# of the same sample files, which a udev rule gives the netbook's USB
# identifiers: the program finds it as on a desktop without HAL.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

backend=${OPALO_DEMO_BACKEND:-hal}
case $backend in
hal) ;;
udisks2) [ "$(id -u)" -eq 0 ] || { echo "OPALO_DEMO_BACKEND=udisks2 needs root (loop devices, udevd)" >&2; exit 1; } ;;
*) echo "OPALO_DEMO_BACKEND is hal or udisks2, not $backend" >&2; exit 2 ;;
esac

scripts/install-deps.sh
build=${OPALO_DEMO_BUILD_DIR:-build-demo}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DOPALO_BENCH=OFF >/dev/null
cmake --build "$build" --target OpaloSync gtkShellMenu halsim halsim-ctl
program="$top/$build/src/app/OpaloSync"
# The context-menu plug-in built here, not an installed one.
export OPALO_PLUGIN_DIR="$top/$build/plugins"
title="Vantora OPALO™ Sync"

pids=()
cleanups=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for ((i = ${#cleanups[@]} - 1; i >= 0; i--)); do eval "${cleanups[i]}" || true; done
}
trap cleanup EXIT

sample="$top/$build/sample-device"
tools/halsim/make-sample-device.sh "$sample"

start_hal() {
    eval "$(tools/halsim/halsim-bus "$top/$build/tools/halsim/halsim" "$sample/devices.json")"
    pids+=("$HALSIM_PID" "$HALSIM_BUS_PID")
    export DBUS_SYSTEM_BUS_ADDRESS
    local ctl="$top/$build/tools/halsim/halsim-ctl"
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
}

# Waits until NAME has an owner on the private bus.
wait_for_name() {
    for _ in $(seq 200); do
        dbus-send --bus="$DBUS_SYSTEM_BUS_ADDRESS" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true' && return 0
        sleep 0.05
    done
    echo "$1 did not start" >&2
    return 1
}

# Undoes the loop disk's mounts, with their folders, and frees it.
detach_loop() {
    local point
    for point in $(awk -v device="$1" '$1 == device { print $2 }' /proc/self/mounts); do
        umount "$point" && rmdir "$point"
    done
    losetup -d "$1"
}

start_udisks2() {
    local dir image rule=/run/udev/rules.d/99-opalo-demo.rules folder
    dir=$(mktemp -d /tmp/opalo-demo-udisks2-XXXXXX)
    chmod 755 "$dir" # polkitd gives up root and must still reach the bus
    cleanups+=("rm -rf '$dir'")
    for folder in /run/udev /run/udisks2 /run/mount; do
        [ -e "$folder" ] || cleanups+=("rm -rf '$folder'")
    done
    [ -e /media/root ] || cleanups+=("rmdir /media/root 2>/dev/null")

    image="$dir/opalo-netbook.img"
    truncate -s $((($(du -sm "$sample/device" | cut -f1) + 64) << 20)) "$image"
    mkfs.ext4 -q -L OPALO -d "$sample/device" "$image"

    if ! udevadm control --ping 2>/dev/null; then
        /lib/systemd/systemd-udevd >/dev/null 2>&1 &
        pids+=($!)
        for _ in $(seq 50); do udevadm control --ping 2>/dev/null && break; sleep 0.1; done
    fi
    mkdir -p /run/udev/rules.d
    cat >"$rule" <<EOT
SUBSYSTEM=="block", KERNEL=="loop*", ENV{DEVTYPE}=="disk", ATTR{loop/backing_file}=="$image", ENV{ID_VENDOR}="Vantora", ENV{ID_MODEL}="OPALO", ENV{ID_SERIAL}="Vantora_OPALO_demo", ENV{ID_VENDOR_ID}="0525", ENV{ID_MODEL_ID}="a4a5", ENV{UDISKS_AUTO}="1", ENV{UDISKS_SYSTEM}="0"
EOT
    cleanups+=("rm -f '$rule'; udevadm control --reload 2>/dev/null")
    udevadm control --reload

    cat >"$dir/bus.conf" <<EOT
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>system</type><listen>unix:dir=$dir</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*"/><allow receive_sender="*"/></policy>
</busconfig>
EOT
    local bus
    bus=$(dbus-daemon --config-file="$dir/bus.conf" --fork --print-address=1 --print-pid=1)
    DBUS_SYSTEM_BUS_ADDRESS=$(sed -n 1p <<<"$bus")
    pids+=("$(sed -n 2p <<<"$bus")")
    export DBUS_SYSTEM_BUS_ADDRESS
    /usr/lib/polkit-1/polkitd --no-debug >/dev/null 2>&1 &
    pids+=($!)
    wait_for_name org.freedesktop.PolicyKit1
    /usr/libexec/udisks2/udisksd >/dev/null 2>&1 &
    pids+=($!)
    wait_for_name org.freedesktop.UDisks2

    loop=$(losetup -f --show "$image")
    cleanups+=("detach_loop '$loop'")
    udevadm trigger --action=add --settle "$loop"
    # As a desktop's automounter would, unless OPALO_DEMO_MOUNTED=0 asks for the
    # "Connect" button to do it.
    if [ "${OPALO_DEMO_MOUNTED:-1}" = 1 ]; then
        for _ in $(seq 100); do
            udisksctl mount --no-user-interaction -b "$loop" >/dev/null 2>&1 && break
            sleep 0.1
        done
    fi
    cat <<EOT
OPALO netbook on $loop (an ext4 image of $sample/device), served by the real
UDisks2 on the bus
  DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SYSTEM_BUS_ADDRESS
From another terminal:
  DBUS_SYSTEM_BUS_ADDRESS='$DBUS_SYSTEM_BUS_ADDRESS' udisksctl status
  udevadm trigger --action=remove --settle $loop   # take the device out
  udevadm trigger --action=add --settle $loop      # and back in
EOT
}

"start_$backend"

if [ -n "${DISPLAY:-}" ]; then
    "$program" "$@"
    exit 0
fi

# Xvfb picks a free display itself and writes its number once it accepts
# connections; a number chosen here may be taken, or not ready yet.
displayfile=$(mktemp)
cleanups+=("rm -f '$displayfile'")
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$displayfile")
xdpyinfo >/dev/null 2>&1 || { echo "Cannot reach the X server on $DISPLAY" >&2; exit 1; }

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
