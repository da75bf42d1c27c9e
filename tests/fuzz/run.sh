#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the saved-game reader, starting from the hand-edited games of its table. Any crash,
# hang, leak or sanitizer report fails the run; the input that caused it is kept.
# Usage: run.sh FUZZ_BUILD_FOLDER LIBFUZZER_OPTION...   (such as -runs=N or -max_total_time=S)
set -eu
build=$1 && shift
seeds=$build/seeds found=$build/found log=$build/fuzz.log
rm -rf "$seeds" "$found" && mkdir -p "$seeds" "$found"
# Each edit of the table applied to the example game, as a file of its own.
awk -v seeds="$seeds" '/^(read|stop) / {
    value = $0; sub(/^[^"]*"/, "", value); sub(/".*/, "", value); file = seeds "/edit-" NR
    for (k = 1; k <= 203; k++) {
        text = k > 200 ? substr("231", k - 200, 1) : k % 2 ? (k + 1) / 2 : k == 10 ? 1 : k == 34 ? 2 : 0
        printf "%s\r\n", (k == $2 ? value : text) >file
    }
    close(file)
}' "$(dirname "$0")/../services/hand-edited-games.txt"
if "$build/bin/savedgame_fuzz" "$@" -timeout=30 -print_final_stats=1 -artifact_prefix="$build/" \
    "$found" "$seeds" >"$log" 2>&1; then
    sed -n 's/^stat::number_of_executed_units: */fuzz: no fault in this many inputs: /p' "$log"
else
    tail -n 40 "$log"
    echo "fuzz: FAILED, the input is in $build (the whole log: $log)" >&2
    exit 1
fi
