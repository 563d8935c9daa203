#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Fills DIR/device with sample files as an OPALO netbook holds them, and
# writes DIR/devices.json, a simulator description with that folder as the
# volume of the device "opalo1" (plugged, not yet mounted) next to an
# unrelated internal disk. Does nothing when DIR/devices.json exists.
#
# usage: make-sample-device.sh DIR
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 DIR" >&2; exit 2; }
out=$(realpath -m "$1")
[ -e "$out/devices.json" ] && exit 0
here=$(dirname "$(realpath "$0")")
convert=/usr/bin/convert
device=$out/device
rm -rf "$device"
mkdir -p "$device"/{Pictures/Holidays/2024,Music,Videos,Documents/Letters,.hidden} "$out/disk"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

picture() { # name orientation ImageMagick-source...
    local name=$1 orientation=$2; shift 2
    "$convert" "$@" -quality 85 "$tmp/full.jpg"
    "$convert" "$tmp/full.jpg" -resize 160x120 -strip -quality 70 "$tmp/thumb.jpg"
    /usr/bin/python3 "$here/add-exif.py" "$tmp/full.jpg" "$tmp/thumb.jpg" "$orientation" "$device/Pictures/$name"
}
picture sunset.jpg 1 -size 1024x768 gradient:orange-purple
picture portrait.jpg 6 -size 800x600 plasma:fractal
picture Holidays/2024/beach.jpg 1 -size 1024x768 gradient:skyblue-khaki
"$convert" -size 256x256 xc:white -fill navy -draw "circle 128,128 128,32" "$device/Pictures/logo.png"
"$convert" -size 64x64 xc:red "$device/.hidden/secret.jpg"

ff() { ffmpeg -hide_banner -loglevel error -y "$@"; }
ff -f lavfi -i "sine=frequency=440:duration=4" "$device/Music/tone.mp3"
ff -f lavfi -i "sine=frequency=660:duration=3" -c:a libvorbis "$device/Music/chord.ogg"
ff -f lavfi -i "sine=frequency=880:duration=1" "$device/Music/beep.wav"
# An album whose cover the songs carry, as ripped music does; the lists
# show it as their thumbnails.
"$convert" -size 300x300 gradient:gold-firebrick -fill white -draw "circle 150,150 150,70" "$tmp/cover.png"
ff -f lavfi -i "sine=frequency=523:duration=3" -i "$tmp/cover.png" -map 0:a -map 1:v -c:v mjpeg \
    -disposition:v attached_pic "$device/Music/album.mp3"
ff -f lavfi -i "sine=frequency=392:duration=3" -i "$tmp/cover.png" -map 0:a -map 1:v -c:v png \
    -disposition:v attached_pic "$device/Music/album.flac"
ff -f lavfi -i "testsrc=duration=4:size=320x240:rate=25" -pix_fmt yuv420p "$device/Videos/testcard.mp4"
ff -f lavfi -i "smptebars=duration=3:size=320x240:rate=25" -c:v mpeg4 "$device/Videos/bars.avi"

printf 'Files on the OPALO netbook.\n' >"$device/Documents/readme.txt"
printf '{\\rtf1\\ansi A short note.}\n' >"$device/Documents/note.rtf"
printf '<?xml version="1.0"?>\n<list><item>one</item></list>\n' >"$device/Documents/list.xml"
printf 'name,count\npictures,4\n' >"$device/Documents/table.csv"
printf 'Dear reader,\nthis letter sits in a nested folder.\n' >"$device/Documents/Letters/letter.txt"
printf 'Magno 2\n' >"$device/.opalo"

cat >"$out/devices.json" <<JSON
{
  "devices": [
    { "name": "computer", "nodes": [
      { "udi": "/org/freedesktop/Hal/devices/computer", "properties": { "info.product": "Computer" } } ] },
    { "name": "disk", "nodes": [
      { "udi": "/org/freedesktop/Hal/devices/pci_8086_2922",
        "properties": { "info.parent": "/org/freedesktop/Hal/devices/computer", "info.subsystem": "pci",
                        "pci.vendor_id": 32902, "pci.product_id": 10530 } },
      { "udi": "/org/freedesktop/Hal/devices/storage_serial_DISK0",
        "properties": { "info.parent": "/org/freedesktop/Hal/devices/pci_8086_2922",
                        "info.capabilities": ["storage", "block"] } },
      { "udi": "/org/freedesktop/Hal/devices/volume_uuid_DISK0_1",
        "properties": { "info.parent": "/org/freedesktop/Hal/devices/storage_serial_DISK0",
                        "info.capabilities": ["volume", "block"], "volume.fstype": "ext4" },
        "volume": { "backing": "disk", "mounted": true } } ] },
    { "name": "opalo1", "nodes": [
      { "udi": "/org/freedesktop/Hal/devices/usb_device_525_a4a5_OPALO0001",
        "properties": { "info.parent": "/org/freedesktop/Hal/devices/computer", "info.subsystem": "usb_device",
                        "usb_device.vendor_id": 1317, "usb_device.product_id": 42149,
                        "info.product": "OPALO netbook" } },
      { "udi": "/org/freedesktop/Hal/devices/storage_serial_OPALO0001",
        "properties": { "info.parent": "/org/freedesktop/Hal/devices/usb_device_525_a4a5_OPALO0001",
                        "info.capabilities": ["storage", "block"] } },
      { "udi": "/org/freedesktop/Hal/devices/volume_uuid_OPALO0001_1",
        "properties": { "info.parent": "/org/freedesktop/Hal/devices/storage_serial_OPALO0001",
                        "info.capabilities": ["volume", "block"], "volume.fstype": "vfat",
                        "volume.label": "OPALO" },
        "volume": { "backing": "device", "mounted": false } } ] }
  ]
}
JSON
echo "Sample device in $device"
