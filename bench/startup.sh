#!/bin/sh
# Start-up of the editor against a bare Qt Widgets window, side by side: the time from process
# start to the window's first paint, and the resident memory once start-up has settled.
# Usage: bench/startup.sh [build] [runs]
set -eu
build="${1:-build}"
runs="${2:-20}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch"
mkdir -p "$scratch/config"

measure() {  # prints "median_ms median_rss_kib" over $runs alternating starts
    prog="$1"
    : > "$scratch/times"
    : > "$scratch/rss"
    i=0
    while [ "$i" -lt "$runs" ]; do
        start=$(date +%s%N)
        "$prog" > "$scratch/out" 2>/dev/null
        shown=$(awk '/shown_ns/ {print $2}' "$scratch/out")
        echo $(( (shown - start) / 1000 )) >> "$scratch/times"
        awk '/rss_kib/ {print $2}' "$scratch/out" >> "$scratch/rss"
        i=$((i + 1))
    done
    t=$(sort -n "$scratch/times" | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]/1000}')
    r=$(sort -n "$scratch/rss" | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    echo "$t $r"
}

# Warm the page cache for both, then measure them in turn.
"$build/bench/bench_startup_bare" > /dev/null 2>&1 || true
"$build/bench/bench_startup_editor" > /dev/null 2>&1 || true
set -- $(measure "$build/bench/bench_startup_bare")
bare_ms=$1 bare_rss=$2
set -- $(measure "$build/bench/bench_startup_editor")
editor_ms=$1 editor_rss=$2

echo "bare window:  ${bare_ms} ms to shown, ${bare_rss} KiB resident when idle"
echo "editor:       ${editor_ms} ms to shown, ${editor_rss} KiB resident when idle"
awk -v e="$editor_ms" -v b="$bare_ms" -v er="$editor_rss" -v br="$bare_rss" 'BEGIN {
    printf "time ratio %.2f (target at most 1.30), memory ratio %.2f (target at most 1.30)\n", e / b, er / br
    exit !(e / b <= 1.3 && er / br <= 1.3)
}'
