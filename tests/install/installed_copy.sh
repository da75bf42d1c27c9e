#!/bin/sh
# The game as a parent or teacher gets it: installed into a prefix of its own, its menu
# entry and AppStream file checked by Debian's validators, its Debian package built and
# read, and the installed program played by keyboard alone in a real X window: each
# screen where the layout puts it, two cards, "Exit", started again and "Restart
# Previous Game". The saved game must land in the user's data folder, never in the
# installed data folder.
#
# Usage: installed_copy.sh BUILD_FOLDER SCREENSHOT_FOLDER   (on an X display)
set -eu

build=$1
shots=$2
app=org.example.zorbitan
work=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

echo "== install"
prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/zorbitan lib/zorbitan/zorbitan_sound.so \
    share/zorbitan/Images/zorbitanmd.bmp share/zorbitan/Images/logo2.jpg \
    share/zorbitan/counters/yebl.bmp share/zorbitan/counters/blye.bmp share/zorbitan/wav/klaxon.wav \
    share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
    share/icons/hicolor/scalable/apps/$app.svg; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for size in 16 24 32 48 64 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x$size/apps/$app.png" ] || fail "no $size-pixel icon"
done
[ "$(find "$prefix/share/zorbitan/counters" -type f | wc -l)" -eq 24 ] || fail "not 24 counter pictures"
desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"

echo "== Debian package"
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
package=$(ls "$work"/zorbitan_*.deb)
dpkg-deb -c "$package" >"$work/contents"
for file in ./usr/bin/zorbitan ./usr/lib/zorbitan/zorbitan_sound.so ./usr/share/applications/$app.desktop \
    ./usr/share/zorbitan/wav/click.wav; do
    grep -q " $file\$" "$work/contents" || fail "the package lacks $file"
done
dpkg-deb -f "$package" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt Widgets"

echo "== the installed program, by keyboard"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
unset XDG_DATA_HOME
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/elsewhere"
chmod 700 "$XDG_RUNTIME_DIR"
saved="$HOME/.local/share/zorbitan/lastgame.inf"
cd "$work/elsewhere"

start() {
    "$prefix/bin/zorbitan" 2>>"$work/errors" &
    pid=$!
    timeout 20 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null || fail "no window appeared"
    sleep 1
}
keys() {
    xdotool key --delay 120 "$@"
    sleep 0.6
}
shot() { # for people to look at, where ImageMagick is installed
    mkdir -p "$shots"
    if command -v import >/dev/null; then import -window root "$shots/installed-$1.png"; fi
}
# The window with the keyboard focus stands where the layout puts it: the small screens
# centred at their own size, the game screen at its standard size, on 1280 x 1024. A
# busy machine may take its time to get there.
expect_focus_window_at() {
    for attempt in $(seq 1 50); do
        place=$(xdotool getwindowfocus getwindowgeometry | tr -d '\n' | sed 's/.*Position: \([0-9,]*\).*Geometry: \([0-9x]*\).*/\1 \2/')
        [ "$place" = "$1 $2" ] && return
        sleep 0.2
    done
    fail "$3 is at $place, not at $1 $2"
}
game_window() {
    timeout 10 xdotool search --sync --onlyvisible --name '^Zorbitan$' >/dev/null || fail "no game screen"
}

start
shot title
expect_focus_window_at 454,293 372x438 "the title"
keys Return # OK
shot options
expect_focus_window_at 454,293 372x438 "the options"
keys Tab Tab Tab Tab Return # The Rules, Play Sound, Hide Desktop, 1, then 2 players
shot levels
expect_focus_window_at 454,293 372x438 "the levels"
keys Return # OK: both players at Level 3
game_window
expect_focus_window_at 241,213 798x598 "the game screen"
for answer in "4 2" "4 3"; do
    keys Return # Take a card
    sleep 1
    # shellcheck disable=SC2086 # one key per digit
    keys $answer Return
    shot "answered-$(echo "$answer" | tr -d ' ')"
    sleep 5 # the answer is shown, then the turn passes back to "Take a card"
done
keys Tab Tab Return # the board, then Exit
sleep 1
[ -f "$saved" ] || fail "Exit saved no game in $saved"
[ ! -e "$prefix/share/zorbitan/lastgame.inf" ] || fail "the game was saved in the installed data folder"
shot title-after-exit
keys Tab Return # Exit on the title
timeout 10 sh -c "while kill -0 $pid 2>/dev/null; do sleep 0.2; done" || fail "Exit did not end the program"
pid=""

start
keys shift+Tab Return # Restart Previous Game
game_window
sleep 1
shot restarted
kill "$pid"
pid=""
grep -v -e "sound is unavailable" -e "XDG_RUNTIME_DIR" "$work/errors" && fail "the program complained"
echo "PASSED"
