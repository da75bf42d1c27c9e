#!/bin/sh
# Runs the saved-game fuzzer for a bounded time from the committed seeds; any crash,
# hang or sanitizer report fails the run and leaves the input that caused it.
set -eu
fuzzer=$1
corpus=$2
seconds=$3
mkdir -p "$corpus"
log="$corpus.log"
if "$fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
        "$corpus" "$(dirname "$0")/seeds" >"$log" 2>&1; then
    grep -E '^Done [0-9]+ runs' "$log"
    echo "fuzz: no crash, hang or sanitizer report"
else
    tail -n 40 "$log"
    echo "fuzz: FAILED (see $log)"
    exit 1
fi
