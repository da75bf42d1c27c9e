#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every whole-program test (e2e.* and install.*) ROUNDS times, two at a time, while a CPU load
# (stress-ng) keeps every core busy; then a table of passes and failures for each test and
# the output of each failure. Fails if any run failed.
# Usage: stress.sh BUILD_FOLDER [ROUNDS]
set -eu
. "$(dirname "$0")/../tests/support/helpers.sh"

build=$(cd "$1" && pwd)
rounds=${2:-10}
start_work
beside load stress-ng --cpu "$(nproc)" --quiet
for round in $(seq 1 "$rounds"); do
    echo "== round $round of $rounds, under load"
    (cd "$build" && ctest -R '^(e2e|install)[.]' -j 2 --output-on-failure --timeout 900) >"$work/round-$round.out" 2>&1 || true
    grep -E '^ *[0-9]+/[0-9]+ +Test +#' "$work/round-$round.out" || true
done
stop_helpers

# The result lines name the test and say Passed; a failure's output follows its result line.
awk '
FNR == 1 { round++ }
/^ *[0-9]+\/[0-9]+ +Test +#[0-9]+: / {
    name = $4; failing = ($0 !~ / Passed /)
    if (!(name in passed)) { passed[name] = 0; failed[name] = 0; names[++count] = name }
    if (failing) { failed[name]++; output = output "\n== " name ", round " round ":\n" $0 "\n" } else passed[name]++
    next
}
/^ *Start +[0-9]+: |tests passed|^The following tests/ { failing = 0 }
failing { output = output $0 "\n" }
END {
    printf "%-40s %7s %7s\n", "test", "passed", "failed"
    for (i = 1; i <= count; i++) { printf "%-40s %7d %7d\n", names[i], passed[names[i]], failed[names[i]]; total += failed[names[i]] }
    if (total > 0) printf "\nThe failures:%s", output
    printf "\n%d failure(s) in %d round(s)\n", total, round
    exit (total > 0)
}' $(seq -f "$work/round-%g.out" 1 "$rounds")
