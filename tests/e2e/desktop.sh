#!/bin/sh
# The whole program on the X display it is given, as a player's desktop has it, played
# by its harness (zorbitan-harness). Around the harness, if asked: a light window manager
# (openbox), and a sound server of the test's own (PulseAudio with a null sink, its
# runtime folder private) whose output is recorded and then named sound by sound.
#
# Usage: desktop.sh PROGRAM_FOLDER [--window-manager] [--hear "SOUND ..."]
#                   [--expect "LINE"]... -- HARNESS_ARGUMENTS...
#   --hear     the sounds that must be heard, in order (click, click1, stapler, subping,
#              boink, klaxon), and nothing else
#   --expect   a line the harness must print, such as "text Label2: Blue to Play"
set -eu

bin=$1
shift
window_manager=""
hear=""
expected=$(mktemp)
work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work" "$expected"
}
trap cleanup EXIT
while [ "$1" != "--" ]; do
    case "$1" in
    --window-manager) window_manager=yes ;;
    --hear) hear=$2 && shift ;;
    --expect) echo "harness: $2" >>"$expected" && shift ;;
    esac
    shift
done
shift

export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"

if [ -n "$window_manager" ]; then
    # Windows mapped while it is still starting are lost to it; it says when it is up.
    openbox --startup "touch $work/openbox-up" >"$work/openbox.log" 2>&1 &
    pids="$pids $!"
    timeout 10 sh -c "until [ -e $work/openbox-up ]; do sleep 0.1; done"
fi
if [ -n "$hear" ]; then
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=file:"$work/pulse.log" \
        -L "module-null-sink sink_name=game norewinds=1" -L "module-native-protocol-unix" &
    pids="$pids $!"
    timeout 10 sh -c 'until pactl info >/dev/null 2>&1; do sleep 0.1; done'
    parec -d game.monitor --format=s16le --rate=22050 --channels=1 --raw >"$work/heard.raw" &
    pids="$pids $!"
    sleep 0.5
fi

cd "$bin"
status=0
./zorbitan-harness "$@" 2>&1 | tee "$work/output" || status=1
grep -q "^harness: PASSED" "$work/output" || status=1
while IFS= read -r line; do
    grep -qxF "$line" "$work/output" || { echo "the harness did not say: $line" >&2 && status=1; }
done <"$expected"
if [ -n "$hear" ]; then
    sleep 1
    heard=$(./sounds-heard "$work/heard.raw")
    echo "heard: $heard"
    [ "$heard" = "$hear" ] || { echo "expected to hear: $hear" >&2 && status=1; }
fi
exit $status
