#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The media window on a large folder, then on PHOTOS (5000) photos linked
# from 8 generated 4000 x 3000 JPEGs with EXIF thumbnails, then on the same
# photos without them (see README.md).
# Usage: run.sh BUILD_DIR [WORK_FOLDER]
set -euo pipefail
. "$(dirname "$0")/../photos.sh"

build=$(cd "${1:?usage: run.sh BUILD_DIR [WORK_FOLDER]}" && pwd)
# The video module, and whatever else the program loads at run time, from
# this build.
export OPALO_PLUGIN_DIR="$build/plugins"
bench="$build/bench/browser/bench_browser"
[ -x "$bench" ] || { echo "build $bench first"; exit 1; }
for p in imagemagick libimage-exiftool-perl; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || {
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p" >/dev/null
    }
done

work=$(mktemp -d "${2:-/tmp}/opalo-browser-XXXXXX")
trap 'rm -rf "$work"' EXIT
echo "generating 8 photos in $work"
make_photos "$work" 8
# Entries for files changed in the last seconds are not saved.
sleep 3
QT_QPA_PLATFORM=offscreen "$bench" "$work" --photos "$work/exif"
echo
echo "the same photos without their EXIF thumbnails:"
QT_QPA_PLATFORM=offscreen "$bench" "$work" --photos "$work/plain" --photos-only
