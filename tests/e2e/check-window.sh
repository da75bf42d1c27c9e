#!/bin/sh
# One of the game's windows as the X server and the window manager have it: its client
# area is the size the layout gives it, the whole window (frame and title bar included)
# stands in the middle of the display's available area, within 2 pixels, and its title
# is blank, or the game's name for the game screen. Given the backdrop too, the backdrop
# must lie below the window and stay out of the task bar and the pager.
# Usage: check-window.sh SCREEN WINDOW [BACKDROP]   (the screen's name, window ids in decimal)
set -eu
window=$2
backdrop=${3:-}
case $1 in
fan1) size=798x598 title=Zorbitan ;;
Fandlerules) size=798x598 title=" " ;;
*) size=372x438 title=" " ;; # the title, options and level screens
esac
fail() {
    echo "check-window: $*" >&2
    exit 1
}
value() { xprop "$@" | sed -n 's/^[^=#]*[=#] //p'; }

# Prints what is wrong with the window's place, if anything.
misplaced() {
    set -- $(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
    x=$1 y=$2 width=$3 height=$4
    [ "${width}x$height" = "$size" ] || { echo "the client area is ${width}x$height, not $size" && return; }
    # The frame's left, right, top and bottom; none without a window manager.
    extents=$(value -id "$window" _NET_FRAME_EXTENTS | tr -d ' ')
    set -- $(echo "${extents:-0,0,0,0}" | tr ',' ' ')
    left=$1 right=$2 top=$3 bottom=$4
    area=$(value -root _NET_WORKAREA | cut -d, -f1-4 | tr -d ' ')
    [ -n "$area" ] || area="0,0,$(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "," h}')"
    set -- $(echo "$area" | tr ',' ' ')
    [ "$(off_centre $((x - left)) $((width + left + right)) "$1" "$3")" -le 2 ] &&
        [ "$(off_centre $((y - top)) $((height + top + bottom)) "$2" "$4")" -le 2 ] ||
        echo "the window, frame ${extents:-none}, at $x,$y is not centred in $area"
}
off_centre() { # frame start, frame length, area start, area length
    echo $(($1 - $3 - ($4 - $2) / 2)) | tr -d -
}

# A window manager frames and moves a window in its own time: give it a second.
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    problem=$(misplaced)
    [ -z "$problem" ] && break
    sleep 0.1
done
[ -z "$problem" ] || fail "$problem"

[ "$(value -id "$window" _NET_WM_NAME)" = "\"$title\"" ] || fail "the title is $(value -id "$window" _NET_WM_NAME)"

[ -n "$backdrop" ] || exit 0
states=$(value -id "$backdrop" _NET_WM_STATE)
case "$states" in *SKIP_TASKBAR*SKIP_PAGER*) ;; *) fail "the backdrop is in the task bar: $states" ;; esac
hex() { printf '0x%x' "$1"; }
stacking=$(value -root _NET_CLIENT_LIST_STACKING | tr -d ',') # bottom first, where a window manager keeps it
[ -n "$stacking" ] || stacking=$(xwininfo -root -children | awk '/^ +0x/ {print $1}' | tac | tr '\n' ' ')
for id in $stacking; do
    [ "$id" = "$(hex "$backdrop")" ] && exit 0
    [ "$id" = "$(hex "$window")" ] && fail "the backdrop stands in front of the window"
done
fail "the backdrop is not on the display"
