#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a parent or teacher gets it: installed into a prefix of its own, its menu
# entry and AppStream file checked by Debian's validators, its Debian package built and
# read, and the installed program started in a real X window.
# Usage: installed_copy.sh BUILD_FOLDER
set -eu
. "$(dirname "$0")/../support/helpers.sh"

build=$1
app=org.example.zorbitan
start_work

echo "== install"
prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/zorbitan lib/zorbitan/zorbitan_sound.so share/zorbitan/wav/klaxon.wav share/applications/$app.desktop \
    $(for larger in "" @2x @3x; do echo "share/zorbitan/Images/zorbitanmd$larger.bmp share/zorbitan/Images/logo2$larger.jpg"; done) \
    share/metainfo/$app.metainfo.xml share/icons/hicolor/scalable/apps/$app.svg \
    $(for size in 16 24 32 48 64 128 256; do echo "share/icons/hicolor/${size}x$size/apps/$app.png"; done); do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ "$(find "$prefix/share/zorbitan/counters" -type f | wc -l)" -eq 24 ] || fail "not 24 counter pictures"
# Clean: no error and no warning (the menu entry's hint that it stands in two menus, Education
# and Games, is meant), and the licence shown as a software centre shows it.
desktop-file-validate "$prefix/share/applications/$app.desktop" >"$work/validated" 2>&1 || true
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app.metainfo.xml" >>"$work/validated" 2>&1 || true
if grep -v -e ': hint: ' -e 'Validation was successful' "$work/validated"; then fail "the menu entry or AppStream file is not clean"; fi
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$prefix/share/metainfo/$app.metainfo.xml" ||
    fail "the AppStream file does not give the game's licence"

echo "== Debian package"
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
package=$(ls "$work"/zorbitan_*.deb)
for file in ./usr/bin/zorbitan ./usr/lib/zorbitan/zorbitan_sound.so ./usr/share/applications/$app.desktop \
    ./usr/share/zorbitan/wav/click.wav ./usr/share/doc/zorbitan/copyright; do
    dpkg-deb -c "$package" | grep -q " $file\$" || fail "the package lacks $file"
done
dpkg-deb -f "$package" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt Widgets"

echo "== the installed program"
# Started from an unrelated folder, it finds its data folders and its sound module, and
# its title stands in the middle of the display at its own size.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled:
mkdir -p "$HOME" "$work/elsewhere"
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_xvfb
cd "$work/elsewhere"
beside zorbitan "$prefix/bin/zorbitan"
# shellcheck disable=SC2154 # set by beside
await zorbitan '[ -n "$(xdotool search --onlyvisible --pid "$pid_zorbitan")" ]'
window=$(xdotool search --onlyvisible --pid "$pid_zorbitan" | head -n 1)
place() { xdotool getwindowgeometry "$window" | tr -d '\n' | sed 's/.*Position: \([0-9,]*\).*Geometry: \([0-9x]*\).*/\1 \2/'; }
await zorbitan '[ "$(place)" = "454,293 372x438" ]' place # the title in the middle once it has been placed
if grep -v -e "sound is unavailable (no sound device" -e "XDG_RUNTIME_DIR" "$work/zorbitan.log"; then
    fail "the program complained"
fi
echo "PASSED"
