#!/bin/sh
# The whole program on a Wayland desktop, as GNOME and KDE Plasma start one today:
# weston, headless with its CPU renderer, a desktop of its own (no panel, a green
# background no part of the game has), played by the harness with its clicks delivered
# inside the program and every screen found in the compositor's screenshots.
#   xwayland  Xwayland is there: the game must choose it by itself.
#   native    no Xwayland: the game runs as a Wayland client.
# Usage: wayland.sh PROGRAM_FOLDER xwayland|native HARNESS_ARGUMENTS...
set -eu

bin=$1
way=$2
shift 2
work=$(mktemp -d)
socket=zorbitan-$$
weston_pid=""
cleanup() {
    [ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" DBUS_SESSION_BUS_ADDRESS=disabled: XDG_SESSION_TYPE=wayland
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM DISPLAY
printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nbackground-color=0xff2a6e2a\nanimation=none\nclose-animation=none\nstartup-animation=none\n' >"$work/weston.ini"

xwayland=""
if [ "$way" = xwayland ]; then
    xwayland=--xwayland
    mkdir -p /tmp/.X11-unix 2>/dev/null || true # where Xwayland listens
fi
weston --config="$work/weston.ini" --backend=headless-backend.so --use-pixman --width=1280 --height=1024 \
    --socket="$socket" --idle-time=0 --debug $xwayland >"$work/weston.log" 2>&1 &
weston_pid=$!
timeout 10 sh -c "until [ -S $XDG_RUNTIME_DIR/$socket ]; do sleep 0.1; done" ||
    { cat "$work/weston.log" && echo "weston did not start" >&2 && exit 1; }
export WAYLAND_DISPLAY="$socket"
if [ -n "$xwayland" ]; then
    timeout 10 sh -c "until grep -q 'xserver listening on display' $work/weston.log; do sleep 0.1; done"
    DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" | head -n 1)
    export DISPLAY
fi

cd "$bin"
status=0
./zorbitan-harness "$@" --compositor 2>&1 | tee "$work/output" || status=1
grep -q "^harness: PASSED" "$work/output" || status=1
expected=wayland
[ "$way" = native ] || expected=xcb # Xwayland, chosen by the game itself
grep -q "^harness: platform $expected\$" "$work/output" || { echo "the game did not run on $expected" >&2 && status=1; }
[ $status -eq 0 ] || { echo "weston said:" && tail -n 20 "$work/weston.log"; } >&2
exit $status
