#!/bin/sh
# Runs every benchmark of a build folder (default: build); the exit status tells whether every
# benchmark that checks its own targets met them.
set -u
build="${1:-build}"
status=0
for b in "$build"/bench/bench_*; do
    [ -x "$b" ] || continue
    case "$b" in *bench_startup_*) continue ;; esac  # driven by bench/startup.sh
    echo "== $(basename "$b")"
    "$b" || status=1
done
for s in "$(dirname "$0")"/../bench/*.sh; do
    [ -x "$s" ] || continue
    echo "== $(basename "$s")"
    "$s" "$build" || status=1
done
exit "$status"
