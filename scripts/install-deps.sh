#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs every Debian package needed to build, test and demo OpaloSync.
# Idempotent: does nothing (and prints nothing) when everything is present.
set -euo pipefail

# Qt 6 with KDE Frameworks 6 where the release has KF6's libkonq (Debian 13
# on), Qt 5 with KDE Frameworks 5 where it does not (Debian 12).
# OPALO_QT_VERSION=5 or 6 asks for one; the KDE plug-in's packages come only
# with the Qt they are built on.
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi
has_candidate() {
    local policy
    policy=$(apt-cache policy "$1" 2>/dev/null)
    [[ $policy == *"Candidate: "[^\(]* ]]
}
# A fresh system may not have read its package lists yet.
if ! has_candidate dpkg; then
    $SUDO apt-get update -qq
fi
if has_candidate libkonq-dev; then
    kf=6
else
    kf=5
fi
qt=${OPALO_QT_VERSION:-$kf}

packages=(
    # build (clang-format 19: the same formatter on Debian 12 and 13)
    cmake ninja-build g++ pkg-config clang-format-19 git
    # full builds link with mold: the tests' many executables link in seconds
    mold
    libavformat-dev libavcodec-dev libavutil-dev libswscale-dev
    libglib2.0-dev libudev-dev libjpeg-dev zlib1g-dev libxcb1-dev
    libseccomp-dev bubblewrap
    # sanitizers and fuzzing
    clang libclang-rt-dev
    # tests, skin and demo (locales: the catalogue tests make the locales
    # they need)
    locales dbus dbus-x11 x11-xserver-utils x11-utils xvfb x11-apps imagemagick librsvg2-bin
    # the package test checks the desktop entry and the AppStream metadata
    desktop-file-utils appstream
    ffmpeg python3 python3-dbus python3-gi
    # the accessibility check reads the window as a screen reader does, and
    # drives the keyboard; a small window manager for the second start
    at-spi2-core python3-pyatspi xdotool openbox
    # a Wayland compositor of its own for the dialogues' parent windows
    sway
    # the UDisks2 back-end's tests and demo: the real service over loop disks
    udisks2 polkitd udev e2fsprogs python3-dbusmock
    # copies onto a real FAT file system in userspace
    fusefat dosfstools
)
if [ "$qt" = 6 ]; then
    packages+=(
        qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqt6sql6-sqlite qt6-wayland
        # thumbnails of today's picture types (webp, heif, avif, tiff)
        qt6-image-formats-plugins
    )
    if [ "$kf" = 6 ]; then
        packages+=(
            # the KDE context-menu plug-in (kio6 brings the file and trash workers)
            libkonq-dev libkf6kio-dev libkf6xmlgui-dev libkf6parts-dev libkf6bookmarks-dev
            libkf6i18n-dev libkf6config-dev kio6
            kimageformat6-plugins
        )
    fi
else
    packages+=(
        qtbase5-dev qttools5-dev qttools5-dev-tools libqt5sql5-sqlite qtwayland5
        qt5-image-formats-plugins kimageformat-plugins
        # the KDE context-menu plug-in (kio brings the file and trash workers)
        libkf5konq-dev libkf5kio-dev libkf5xmlgui-dev libkf5parts-dev libkf5bookmarks-dev
        libkf5i18n-dev libkf5config-dev kio
    )
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
# apt's own messages stay visible when it fails.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
