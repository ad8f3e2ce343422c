#!/bin/sh
# Runs every benchmark of a build folder (default: build).
set -eu
build="${1:-build}"
for b in "$build"/bench/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b"
done
for s in "$(dirname "$0")"/../bench/*.sh; do
    [ -x "$s" ] || continue
    echo "== $(basename "$s")"
    "$s" "$build"
done
