#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs every Debian package needed to build, test and demo OpaloSync.
# Idempotent: does nothing (and prints nothing) when everything is present.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config clang-format
    qtbase5-dev qttools5-dev qttools5-dev-tools libqt5sql5-sqlite
    libavformat-dev libavcodec-dev libavutil-dev libswscale-dev
    libglib2.0-dev libudev-dev libjpeg-dev zlib1g-dev
    libseccomp-dev bubblewrap
    # the KDE context-menu plug-in (kio brings the file and trash workers)
    libkf5konq-dev libkf5kio-dev libkf5xmlgui-dev libkf5parts-dev libkf5bookmarks-dev
    libkf5i18n-dev libkf5config-dev kio
    # sanitizers and fuzzing
    clang libclang-rt-14-dev
    # tests, skin and demo
    dbus dbus-x11 x11-xserver-utils x11-utils xvfb x11-apps imagemagick librsvg2-bin
    # the package test checks the desktop entry and the AppStream metadata
    desktop-file-utils appstream
    ffmpeg python3 python3-dbus python3-gi
    # the accessibility check reads the window as a screen reader does, and
    # drives the keyboard
    at-spi2-core python3-pyatspi xdotool
    # thumbnails of today's picture types (webp, heif, avif, tiff)
    qt5-image-formats-plugins kimageformat-plugins
    # the UDisks2 back-end's tests and demo: the real service over loop disks
    udisks2 polkitd udev e2fsprogs python3-dbusmock
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
