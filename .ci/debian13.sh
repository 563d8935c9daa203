#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The README's test command on a fresh Debian 13: a minimal debootstrap tree
# in CI's own folder, from the Debian mirror this machine already uses, gets a
# copy of the working tree and runs scripts/test.sh in it (Qt 6 and KDE
# Frameworks 6, without the sanitizers, the fuzzers or debug information,
# which the Debian 12 run covers), packages and install test included. Needs root.
#   .ci/debian13.sh [prepare|test]  prepare makes the tree and installs its
#                                   packages (network and disk, little CPU);
#                                   test runs the tests in it; both by default
#   OPALO_CI_DIR  CI's folder (default build-ci); the tree is OPALO_CI_DIR/debian13
set -euo pipefail
cd "$(dirname "$0")/.."
ci=$(realpath -m "${OPALO_CI_DIR:-build-ci}")
root=$ci/debian13
phase=${1:-all}

mirror=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null |
    grep -v -- '-security' | head -n 1)
mirror=${mirror:-http://deb.debian.org/debian}

mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -l "${mounted[$i]}" || true
    done
}
trap cleanup EXIT
trap 'exit 1' INT TERM

mount_tree() {
    # The tree is a mount of its own, so that the tests' mount namespace can
    # make its root private (unshare refuses to where / is no mount point).
    mount --bind "$root" "$root"
    mounted+=("$root")
    local fs
    for fs in proc sys dev dev/pts; do
        mount --bind "/$fs" "$root/$fs"
        mounted+=("$root/$fs")
    done
}

prepare() {
    [ -x /usr/sbin/debootstrap ] || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
    # A tree left by an interrupted run may still have the host's file systems
    # mounted in it: those are let go before anything is removed.
    for fs in "$root"/dev/pts "$root"/dev "$root"/sys "$root"/proc "$root"; do
        if mountpoint -q "$fs"; then umount -l "$fs"; fi
    done
    rm -rf --one-file-system "$root"
    mkdir -p "$root"
    echo "debian13: debootstrap trixie from $mirror"
    if ! debootstrap --variant=minbase trixie "$root" "$mirror" >"$ci/debootstrap.log" 2>&1; then
        tail -n 20 "$ci/debootstrap.log" >&2
        exit 1
    fi
    # Package scripts start no services inside the tree.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod +x "$root/usr/sbin/policy-rc.d"
    # The tree is thrown away after the run: dpkg need not sync every file it
    # unpacks.
    echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/force-unsafe-io"
    mount_tree

    mkdir "$root/src"
    git ls-files -co --exclude-standard -z | grep -zv '^build' | tar -c --null -T - | tar -x -C "$root/src"
    in_tree() {
        chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
            DEBIAN_FRONTEND=noninteractive "$@"
    }
    # Everything from the network first: the tests then run in a network
    # namespace of their own (their X servers, buses and mounts stay apart from
    # the host's), where the package steps find all they need installed.
    in_tree bash -c 'cd /src && scripts/install-deps.sh &&
        apt-get install -y -qq --no-install-recommends iproute2 dpkg-dev debhelper devscripts equivs lintian >/dev/null &&
        cd /tmp && mk-build-deps --install --remove --tool "apt-get -y -qq --no-install-recommends" /src/debian/control >/dev/null'
}

run_tests() {
    mount_tree
    # The tree becomes the root of their mount namespace (pivot_root) rather than
    # a chroot: the kernel refuses a chrooted process new user namespaces, and
    # with them bubblewrap's sandbox for the thumbnail helpers.
    unshare --net --ipc --mount --fork env root="$root" fuzz_seconds="${OPALO_FUZZ_SECONDS:-0}" bash -c '
        mount --make-rprivate / && cd "$root" && mkdir -p .host && pivot_root . .host && cd / &&
            umount -l /.host && rmdir /.host &&
            exec /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
                DEBIAN_FRONTEND=noninteractive OPALO_TEST_SANITIZE=OFF OPALO_TEST_DEBUG_INFO=OFF OPALO_FUZZ_SECONDS="$fuzz_seconds" \
                bash -c "ip link set lo up && cd /src && scripts/test.sh"'
}

case $phase in
prepare) prepare ;;
test) run_tests ;;
all) prepare && cleanup && mounted=() && run_tests ;;
*)
    echo "usage: $0 [prepare|test]" >&2
    exit 2
    ;;
esac
