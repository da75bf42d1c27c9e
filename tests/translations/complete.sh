#!/bin/sh
# Every text of the game in every translation, and translated: lupdate, run over the
# game's sources into copies of the .ts files, must find no text new to them (left
# unfinished) and none gone from the game (vanished or obsolete).
# Usage: complete.sh LUPDATE [LUPDATE_OPTION...] -ts TS_FILE... -- SOURCE...
set -eu
lupdate=$1
shift
options=""
while [ "$1" != "-ts" ]; do
    options="$options $1"
    shift
done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copies=""
while [ "$1" != "--" ]; do
    cp "$1" "$work/" && copies="$copies $work/$(basename "$1")"
    shift
done
shift
# shellcheck disable=SC2086 # one argument per option and per file
"$lupdate" -silent $options "$@" -ts $copies
status=0
for ts in $copies; do
    for kind in unfinished vanished obsolete; do
        count=$(grep -c "type=\"$kind\"" "$ts" || true)
        if [ "$count" -ne 0 ]; then
            echo "$(basename "$ts"): $count $kind:" >&2
            grep -B2 "type=\"$kind\"" "$ts" | sed -n 's/.*<source>\(.*\)<\/source>.*/    \1/p' >&2
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "every text translated in$copies"
exit $status
