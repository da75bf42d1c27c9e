#!/bin/sh
# The real program, played by its harness ("play 2": a saved game brought back if any,
# then two games of two cards, the last left with "Exit", which keeps it), in working
# folders that schools' machines produce: data files broken, the saved
# game's place taken or not writable. Nothing may crash or hang, and no saved game may
# be lost.
# Usage: hostile.sh PROGRAM_FOLDER CASE   (on an X display)
set -eu

built=$1
case=$2
work=$(mktemp -d)
folder=$work/game
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
mkdir -p "$folder" "$work/runtime" "$work/data"
chmod 700 "$work/runtime"
cp "$built/zorbitan-harness" "$built/zorbitan_sound.so" "$folder/"
cp -r "$built/Images" "$built/counters" "$built/wav" "$folder/"
saved=$folder/lastgame.inf

# A saved game from an earlier day: Green on 50, three players, turn 9, sound off.
earlier_game() {
    for k in $(seq 1 100); do
        printf '%d\r\n%d\r\n' "$k" "$([ "$k" -eq 50 ] && echo 3 || echo 0)"
    done
    printf '3\r\n9\r\n0\r\n'
}
break_every_file() { # folder, contents
    for file in "$folder/$1"/*; do printf "$2" >"$file"; done
}

# Plays once; the harness must pass. Prints what it said; on a failure, to the error
# output, which a caller that reads only what it said still shows.
# What it says goes through a pipe, out of reach of any limit it plays under.
play() {
    (cd "$folder" && XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" DBUS_SESSION_BUS_ADDRESS=disabled: \
        QT_QPA_PLATFORM=xcb timeout 120 sh -c "$1 exec ./zorbitan-harness play 2" 2>&1
    echo "exit status $?") | cat >"$work/output"
    status=$(sed -n 's/^exit status //p' "$work/output")
    [ "$status" = 0 ] || { cat "$work/output" >&2 && fail "the program failed or hung (exit status $status)"; }
    grep -q "^harness: PASSED" "$work/output" || { cat "$work/output" >&2 && fail "the harness did not pass"; }
    cat "$work/output"
}
# The new game: 203 lines, three players, turn 1, sound on.
expect_new_game_kept() {
    [ -f "$1" ] || fail "no game was kept in $1"
    [ "$(wc -l <"$1")" -eq 203 ] && [ "$(tail -c 9 "$1" | tr -d '\r')" = "$(printf '3\n1\n1\n')" ] ||
        fail "the new game was not kept whole"
}

case $case in
broken-data-files)
    break_every_file wav 'RIFF\020\000\000\000WAVEfmt '
    head -c 9000 "$built/wav/klaxon.wav" >"$folder/wav/klaxon.wav"
    head -c 5000 /dev/zero | tr '\0' '\177' >"$folder/wav/click.wav"
    break_every_file counters 'BM6\000\000\000 not a bitmap at all'
    break_every_file Images 'zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz'
    play "" && expect_new_game_kept "$saved"
    ;;
folder-cannot-be-written)
    # The game left in the folder comes back. As root the folder's permissions stop
    # nothing, so a file-size limit stands in for a full disk too.
    earlier_game >"$saved"
    chmod 555 "$folder"
    play "trap '' XFSZ; ulimit -f 1;" | grep -q "a saved game came back" || fail "the earlier game did not come back"
    [ "$(earlier_game | md5sum)" = "$(md5sum <"$saved")" ] || fail "the earlier game was changed"
    if [ "$(id -u)" -ne 0 ]; then # new games go to the user's own folder
        play "" >/dev/null
        expect_new_game_kept "$work/data/zorbitan/lastgame.inf"
    fi
    ;;
saved-game-is-a-folder)
    mkdir "$saved"
    play "" >/dev/null
    [ -d "$saved" ] || fail "the folder was replaced"
    ;;
saved-game-is-a-pipe-or-unreadable)
    mkfifo "$saved"
    play "" | grep -q "no saved game to bring back" || fail "a pipe was read as a saved game"
    expect_new_game_kept "$saved"
    earlier_game >"$saved"
    chmod 000 "$saved"
    play "" >/dev/null
    expect_new_game_kept "$saved"
    ;;
*) fail "no case $case" ;;
esac
echo PASSED
