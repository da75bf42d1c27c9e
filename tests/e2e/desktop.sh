#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole program played by its harness in a working folder of its own: on an X display
# of its own (Xvfb), with a window manager (openbox) if asked; or on a Wayland desktop of
# its own (weston, headless, a green background), through Xwayland or natively.
# Usage: desktop.sh PROGRAM_FOLDER [--window-manager] [--size WxH] [--weston xwayland|native]
#                   [--hear "SOUND ..."] [--expect "LINE"]... [--read "LINE"]...
#                   [--broken-data | --read-only] -- HARNESS_ARGUMENTS...
#   --hear         the sounds a PulseAudio null sink must record, in order, and no other
#   --size         the X display's size, 1280x1024 unless given
#   --expect       a line the harness must print, such as "text Label2: Blue to Play"
#   --read         a line a screen reader's client must print (screen_reader.py), such as
#                  "window Zorbitan: the rules" or "told Blue to Play"
#   --broken-data  every picture and sound broken; the new game must be kept whole
#   --read-only    an earlier game in a folder that cannot be written, nor a file longer
#                  than a block (a full disk, even for root): it must come back unchanged
set -eu
. "$(dirname "$0")/../support/helpers.sh"

bin=$1
shift
window_manager="" size="" weston="" hear="" folder="" reader=""
start_work
while [ "$1" != "--" ]; do
    case "$1" in
    --window-manager) window_manager=openbox ;;
    --size) size=$2 && shift ;;
    --weston) weston=$2 && shift ;;
    --hear) hear=$2 && shift ;;
    --broken-data | --read-only) folder=$1 ;;
    --expect) echo "harness: $2" >>"$work/expected" && shift ;;
    --read) reader=yes && echo "$2" >>"$work/read" && shift ;;
    esac
    shift
done
shift
touch "$work/expected" "$work/read"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME"

[ -n "$weston" ] || start_xvfb
if [ -n "$window_manager" ]; then # windows mapped while it starts are lost to it: it says when it is up
    beside openbox openbox --startup "touch $work/openbox-up"
    await openbox '[ -e "$work/openbox-up" ]'
fi
if [ -n "$weston" ]; then
    unset QT_QPA_PLATFORM DISPLAY
    export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=zorbitan-$$
    printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nbackground-color=0xff2a6e2a\nanimation=none\nstartup-animation=none\nclose-animation=none\n' >"$work/weston.ini"
    mkdir -p /tmp/.X11-unix 2>/dev/null || true # where Xwayland listens
    beside weston weston --config="$work/weston.ini" --backend=headless-backend.so --use-pixman --width=1280 \
        --height=1024 --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug --xwayland
    await weston "grep -q 'xserver listening on display' '$work/weston.log'"
    DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
    export DISPLAY
    platform=xcb
    [ "$weston" = xwayland ] || { platform=wayland && set -- "$@" -platform wayland; }
    echo "harness: platform $platform" >>"$work/expected"
    set -- "$@" --compositor
fi
if [ -n "$reader" ]; then # a D-Bus session with its accessibility bus, and a screen reader's client on it
    beside dbus dbus-daemon --session --nofork --address="unix:path=$work/bus"
    await dbus '[ -S "$work/bus" ]'
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    beside at_spi /usr/libexec/at-spi-bus-launcher
    beside screen_reader "$(dirname "$0")/screen_reader.py" "$work/reader.log" "$work/reader-up"
    await screen_reader '[ -e "$work/reader-up" ]'
fi
if [ -n "$hear" ]; then
    beside pulseaudio pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        -L "module-null-sink sink_name=game norewinds=1" -L "module-native-protocol-unix"
    await pulseaudio 'pactl info >/dev/null 2>&1'
    beside parec sh -c 'exec parec -d game.monitor --format=s16le --rate=22050 --channels=1 --raw --latency-msec=100 >"$0"' "$work/heard.raw"
    await parec '[ -n "$(pactl list short source-outputs)" ]' # it records before the game plays
    export PULSE_LATENCY_MSEC=250 # the game's sounds buffered ahead, so that a busy machine does not break them
fi

case "$weston" in "") desk=${window_manager:-xvfb}${size:+-$size} ;; *) desk=weston-$weston ;; esac
export ZORBITAN_SCREENSHOTS="$bin/../screenshots/$desk"

# A saved game from an earlier day: Green on 50, three players, turn 9, sound off.
earlier_game() {
    for k in $(seq 1 100); do printf '%d\r\n%d\r\n' "$k" "$([ "$k" -eq 50 ] && echo 3 || echo 0)"; done
    printf '3\r\n9\r\n0\r\n'
}
mkdir "$work/game"
cd "$work/game"
limit=""
for data in Images counters wav; do
    if [ "$folder" = --broken-data ]; then
        cp -r "$bin/$data" .
        for file in "$data"/*; do printf 'RIFF\020\000\000\000WAVEfmt BM6\000 broken' >"$file"; done
    else
        ln -s "$bin/$data" "$data"
    fi
done
if [ "$folder" = --broken-data ]; then
    head -c 9000 "$bin/wav/klaxon.wav" >wav/klaxon.wav
    head -c 5000 /dev/zero | tr '\0' '\177' >wav/click.wav
elif [ "$folder" = --read-only ]; then
    earlier_game >lastgame.inf
    chmod 555 .
    limit="trap '' XFSZ; ulimit -f 1;"
    echo "harness: a saved game came back" >>"$work/expected"
fi
status=0
# What the program says goes through a pipe, out of reach of its limit.
(timeout $((test_seconds + 30)) sh -c "$limit exec \"$bin/zorbitan-harness\" \"\$@\"" harness "$@" 2>&1 || echo "FAILED: exit status $?") |
    tee "$work/output"
grep -q "^harness: PASSED" "$work/output" && ! grep -q "^FAILED: exit status" "$work/output" || status=1
while IFS= read -r line; do
    grep -qxF "$line" "$work/output" || { echo "the harness did not say: $line" >&2 && status=1; }
done <"$work/expected"
while IFS= read -r line; do # the reader may be told a moment after the game has ended
    timeout 10 sh -c 'until grep -qxF "$0" "$1"; do sleep 0.1; done' "$line" "$work/reader.log" ||
        { echo "the screen reader was not told: $line" >&2 && status=1; }
done <"$work/read"
[ $status -eq 0 ] || [ -z "$reader" ] || cat "$work/reader.log" >&2
if [ "$folder" = --broken-data ]; then # the new game kept whole: 203 lines, three players, turn 1, sound on
    [ "$(wc -l <lastgame.inf)" -eq 203 ] && [ "$(tail -c 9 lastgame.inf | tr -d '\r')" = "$(printf '3\n1\n1\n')" ] ||
        { echo "the new game was not kept whole" >&2 && status=1; }
elif [ "$folder" = --read-only ]; then
    [ "$(earlier_game | md5sum)" = "$(md5sum <lastgame.inf)" ] || { echo "the earlier game was changed" >&2 && status=1; }
fi
if [ -n "$hear" ]; then # a second of the sink's own time recorded after the game's end
    end=$(($(stat -c %s "$work/heard.raw") + 2 * 22050))
    await parec '[ "$(stat -c %s "$work/heard.raw")" -ge $end ]'
    heard=$("$bin/sounds-heard" "$work/heard.raw")
    echo "heard: $heard"
    [ "$heard" = "$hear" ] || { echo "expected to hear: $hear" >&2 && status=1; }
fi
exit $status
