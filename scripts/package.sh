#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian packages into dist/ and checks them with lintian.
# The build runs in a copy of the working tree, so that neither the tree nor
# its parent folder collects build products.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD

if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
tools=(dpkg-dev debhelper devscripts equivs lintian)
missing=()
for p in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Qt 6 and KDE Frameworks 6 where the release has KF6's libkonq (Debian 13
# on); Qt 5 and KDE Frameworks 5 (the pkg.opalosync.qt5 build profile) where
# it does not.
if [[ $(apt-cache policy libkonq-dev 2>/dev/null) != *"Candidate: "[^\(]* ]]; then
    export DEB_BUILD_PROFILES="${DEB_BUILD_PROFILES:+$DEB_BUILD_PROFILES }pkg.opalosync.qt5"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/src"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -co --exclude-standard -z | tar -c --null -T - | tar -x -C "$work/src"
else
    # A copy of the tree without its history (as in CI's Debian 13 tree):
    # all of it but the build products.
    tar -c --exclude='./build*' --exclude=./dist . | tar -x -C "$work/src"
fi

# Build dependencies straight from debian/control (apt's errors shown).
if ! (cd "$work" && $SUDO env DEB_BUILD_PROFILES="${DEB_BUILD_PROFILES:-}" mk-build-deps --install --remove \
    --tool 'apt-get -y -qq --no-install-recommends' "$work/src/debian/control" >"$work/deps.log" 2>&1); then
    cat "$work/deps.log" >&2
    exit 1
fi

echo "Building the packages (log: dist/build.log)"
rm -rf dist
mkdir dist
if ! (cd "$work/src" && dpkg-buildpackage -us -uc -b) >dist/build.log 2>&1; then
    tail -n 40 dist/build.log >&2
    exit 1
fi

mv "$work"/*.deb "$work"/*.changes "$work"/*.buildinfo dist/
# Debian 13's lintian validates the AppStream metadata, and its validator
# wants a homepage, which the program has none of yet; Debian 12's lintian
# knows no such check (and refuses to be told to skip one it does not know).
skip=()
if lintian-explain-tags appstream-metadata-validation-failed >/dev/null 2>&1; then
    skip=(--suppress-tags appstream-metadata-validation-failed)
fi
lintian --fail-on error,warning --info --display-info "${skip[@]}" dist/*.changes
echo "Packages in $top/dist:"
ls dist/*.deb
