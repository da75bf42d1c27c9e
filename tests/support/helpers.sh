# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# One way to start the helpers of a whole-program test (display and sound servers, window
# managers, the program itself) and one way to stop them; sourced by scripts under `set -eu`.
#   start_work            $work, the test's own folder; however the test ends, each helper is
#                         stopped and waited for before the folder goes; the test's status stands
#   beside NAME CMD...    a helper in a process group of its own: $work/NAME.log, $pid_NAME
#   await NAME COND [SEEN] waits until a shell condition holds; fails at once when the helper
#                         has ended, else when the test's time (ZORBITAN_TEST_SECONDS) is spent
#   start_xvfb            an X display of its own, 1280 x 1024 (or $size), 96 dpi, no key repeats, in $DISPLAY
# A test that fails shows the end of each helper's log.
test_seconds=${ZORBITAN_TEST_SECONDS:-480}
deadline=$(($(date +%s) + test_seconds))
helpers=""

fail() { echo "FAILED: $*" >&2 && exit 1; }

start_work() {
    work=$(mktemp -d)
    trap 'stop_and_tidy $?' EXIT
    trap 'exit 130' HUP INT PIPE TERM
}

beside() {
    helper=$1 && shift
    setsid "$@" >"$work/$helper.log" 2>&1 </dev/null &
    helpers="$! $helpers" # the last started is stopped first
    eval "pid_$helper=$!"
}

# True while the helper ($1), or a process of its group, runs; not a zombie, which nothing
# here reaps. The helper itself counts before it has made its group (setsid in its first
# moments).
group_runs() {
    for stat in /proc/[0-9]*/stat; do
        read -r line 2>/dev/null <"$stat" || continue
        # shellcheck disable=SC2086 # the fields after the command's name: state, parent, group
        set -- "$1" ${line##*) }
        [ "$2" = Z ] || { [ "$4" != "$1" ] && [ "$stat" != "/proc/$1/stat" ]; } || return 0
    done
    return 1
}

await() {
    eval "awaited=\$pid_$1"
    until eval "$2"; do
        group_runs "$awaited" || { tail -n 20 "$work/$1.log" >&2 && fail "$1 ended before this held: $2"; }
        [ "$(date +%s)" -lt "$deadline" ] || fail "waited $test_seconds s in vain for: $2${3:+ (seen: $(eval "$3"))}"
        sleep 0.1
    done
}

# Ends each helper's group, newest first, and waits until none of it runs (killed after 10 s).
stop_helpers() {
    for pid in $helpers; do
        kill -TERM "-$pid" 2>/dev/null
        for tick in $(seq 1 200); do
            group_runs "$pid" || break
            [ "$tick" -ne 100 ] || kill -KILL "-$pid" 2>/dev/null
            sleep 0.1
        done
        wait "$pid" 2>/dev/null || true
    done
    helpers=""
}

stop_and_tidy() {
    set +e
    stop_helpers
    [ "$1" -eq 0 ] || for log in "$work"/*.log; do [ ! -s "$log" ] || { echo "== ${log##*/}:" && tail -n 15 "$log"; } >&2; done
    chmod -R u+w "$work" && rm -rf "$work" || echo "clean-up: $work could not be removed" >&2
    exit "$1"
}

# On a display number drawn at random far above the low ones that weston, Xwayland and
# xvfb-run take first (and that one of them may still be giving up); the server takes it
# atomically, and another number is drawn if it is taken. It never resets: a client that
# connects as the last one leaves (xdotool as the program starts) would be turned away.
start_xvfb() {
    for _ in $(seq 1 20); do
        DISPLAY=:$(($(od -An -N2 -tu2 /dev/urandom) % 30000 + 1000)) && export DISPLAY
        [ ! -e "/tmp/.X${DISPLAY#:}-lock" ] && ! xdpyinfo >/dev/null 2>&1 || continue
        beside xvfb Xvfb "$DISPLAY" -nolisten tcp -noreset -screen 0 "${size:-1280x1024}x24" -dpi 96 -r
        until xdpyinfo >/dev/null 2>&1; do
            group_runs "$pid_xvfb" || continue 2
            [ "$(date +%s)" -lt "$deadline" ] || fail "waited $test_seconds s in vain for Xvfb"
            sleep 0.1
        done
        ! group_runs "$pid_xvfb" || return 0
    done
    fail "Xvfb found no free display"
}
