#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game needs to build, run and be tested, or the packages
# named (a developer tool's), and only those that are missing. Needs root to install;
# otherwise says what to run.
# Usage: install-deps.sh [PACKAGE...]
set -eu

packages="build-essential cmake libgtest-dev qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools
libxkbcommon-dev libxcb1-dev libfontconfig-dev fonts-liberation2 fonts-wine
xvfb xauth xdotool x11-utils openbox pulseaudio pulseaudio-utils desktop-file-utils appstream file
weston xwayland qt6-wayland
clang-tidy clang-format libbenchmark-dev reuse python3 git clang libclang-rt-14-dev
dbus-daemon at-spi2-core python3-pyatspi"
[ $# -eq 0 ] || packages="$*"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Zorbitan needs these Debian packages first. As root, run:" >&2
    echo "  apt-get install -y --no-install-recommends$missing" >&2
    exit 1
fi

echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
# shellcheck disable=SC2086 # the list is meant to split into words
apt-get install -y -q --no-install-recommends $missing
