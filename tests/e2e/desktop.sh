#!/bin/sh
# The whole program on a player's desktop, played by its harness (zorbitan-harness): the
# X display it is given, if asked with a light window manager (openbox) and a sound
# server of its own (PulseAudio with a null sink) whose output is recorded and named
# sound by sound; or a Wayland desktop of its own (weston, headless, its CPU renderer, no
# panel, a green background no part of the game has), where the game must choose
# Xwayland by itself, or, natively, the player chose Wayland.
#
# Usage: desktop.sh PROGRAM_FOLDER [--window-manager] [--weston xwayland|native]
#                   [--hear "SOUND ..."] [--expect "LINE"]... -- HARNESS_ARGUMENTS...
#   --hear     the sounds that must be heard, in order, and nothing else
#   --expect   a line the harness must print, such as "text Label2: Blue to Play"
set -eu

bin=$1
shift
window_manager="" weston="" hear=""
work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
while [ "$1" != "--" ]; do
    case "$1" in
    --window-manager) window_manager=yes ;;
    --weston) weston=$2 && shift ;;
    --hear) hear=$2 && shift ;;
    --expect) echo "harness: $2" >>"$work/expected" && shift ;;
    esac
    shift
done
shift
touch "$work/expected"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
# Waits up to ten seconds for a condition, in a shell command.
await() { timeout 10 sh -c "until $1; do sleep 0.1; done" || { echo "waited in vain: $1" >&2 && exit 1; }; }

if [ -n "$window_manager" ]; then # windows mapped while it starts are lost to it: it says when it is up
    openbox --startup "touch $work/openbox-up" >"$work/openbox.log" 2>&1 &
    pids="$pids $!"
    await "[ -e $work/openbox-up ]"
fi
if [ -n "$weston" ]; then
    unset QT_QPA_PLATFORM DISPLAY
    export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=zorbitan-$$
    printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nbackground-color=0xff2a6e2a\nanimation=none\nstartup-animation=none\nclose-animation=none\n' >"$work/weston.ini"
    mkdir -p /tmp/.X11-unix 2>/dev/null || true # where Xwayland listens
    weston --config="$work/weston.ini" --backend=headless-backend.so --use-pixman --width=1280 --height=1024 \
        --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug --xwayland >"$work/weston.log" 2>&1 &
    pids="$pids $!"
    await "grep -q 'xserver listening on display' $work/weston.log"
    DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
    export DISPLAY
    platform=xcb
    [ "$weston" = xwayland ] || { platform=wayland && set -- "$@" -platform wayland; }
    echo "harness: platform $platform" >>"$work/expected"
    set -- "$@" --compositor
fi
if [ -n "$hear" ]; then
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=file:"$work/pulse.log" \
        -L "module-null-sink sink_name=game norewinds=1" -L "module-native-protocol-unix" &
    pids="$pids $!"
    await "pactl info >/dev/null 2>&1"
    parec -d game.monitor --format=s16le --rate=22050 --channels=1 --raw >"$work/heard.raw" &
    pids="$pids $!"
    sleep 0.5
fi

# The screenshots of each kind of desktop in a folder of their own, beside the build's.
desk=xvfb
[ -z "$window_manager" ] || desk=openbox
[ -z "$weston" ] || desk=weston-$weston
export ZORBITAN_SCREENSHOTS="$bin/../screenshots/$desk"

# A working folder of its own, with the built data folders: its saved game stays there.
mkdir "$work/game"
for data in Images counters wav; do ln -s "$bin/$data" "$work/game/$data"; done
cd "$work/game"
status=0
"$bin/zorbitan-harness" "$@" 2>&1 | tee "$work/output" || status=1
grep -q "^harness: PASSED" "$work/output" || status=1
while IFS= read -r line; do
    grep -qxF "$line" "$work/output" || { echo "the harness did not say: $line" >&2 && status=1; }
done <"$work/expected"
if [ -n "$hear" ]; then
    sleep 1
    heard=$("$bin/sounds-heard" "$work/heard.raw")
    echo "heard: $heard"
    [ "$heard" = "$hear" ] || { echo "expected to hear: $hear" >&2 && status=1; }
fi
[ $status -eq 0 ] || [ -z "$weston" ] || tail -n 20 "$work/weston.log" >&2
exit $status
