#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark and prints one Markdown table: the core, then the program's
# start, memory, idle cost and game screen load beside a bare Qt program, offscreen
# and in a real X window on a virtual screen.
#   bench/run.sh BIN_FOLDER [RUNS] [IDLE_SECONDS]
set -eu
bin=$(cd "$1" && pwd)
runs=${2:-20}
idle=${3:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
# The game's own settings (the size the player chose) kept apart from the machine's.
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" DBUS_SESSION_BUS_ADDRESS=disabled:

"$bin/core_bench" --benchmark_format=csv --benchmark_min_time=0.5 2>/dev/null |
    awk -F, '/^"BM_/ { gsub(/"/, "", $1); sub(/^BM_/, "", $1)
        target = $1 == "WholeGame" ? "under 1000" : ""
        printf "| core: %s (%s) | %.3g | | %s |\n", $1, $5, $3, target }' \
    >"$work/core"
QT_QPA_PLATFORM=offscreen "$bin/startup_bench" "$bin/game_probe" "$bin/bare_qt" "$runs" "$idle" \
    2>/dev/null >"$work/offscreen"
QT_QPA_PLATFORM=xcb xvfb-run -a -n 400 -s "-screen 0 1280x1024x24 -dpi 96" \
    "$bin/startup_bench" "$bin/game_probe" "$bin/bare_qt" "$runs" "$idle" 2>/dev/null >"$work/xvfb"

echo "| measure | offscreen | Xvfb | target |"
echo "|---|---|---|---|"
cat "$work/core"
paste -d'|' "$work/offscreen" "$work/xvfb" | awk -F'|' '
    { target = "" }
    /ratio/ { target = "at most 1.10" }
    /above bare/ { target = "at most 15" }
    /game screen load/ { target = "under 100" }
    /game screen resized/ { target = "under 16" }
    /CPU over .* idle/ { target = "under 0.1" }
    { gsub(/^ +| +$/, "", $2); gsub(/^ +| +$/, "", $3)
      gsub(/^ +| +$/, "", $7); printf "| %s | %s | %s | %s |\n", $2, $3, $7, target }'
