#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target for a bounded time from its seed corpus, JOBS of them at a time (each
# target is one process on one core, so the machine's cores share the run without shortening any
# target's time); fails when any target finds something, printing the input that broke it (turn it
# into a regular test).
#   run-fuzzers.sh [BUILD] [SECONDS] [JOBS]      (defaults: build-fuzz, 30, the number of cores)
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-30}
jobs=${3:-$(nproc)}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fuzz() { # TARGET: its run in $scratch/TARGET, its exit status in $scratch/TARGET/status
    local work=$scratch/$1 status=0
    mkdir -p "$work/corpus"
    "$build/tests/fuzz/${1}_fuzz" -max_total_time="$seconds" -artifact_prefix="$work/" \
        "$work/corpus" "$here/corpus/$1" >"$work/log" 2>&1 || status=$?
    echo "$status" >"$work/status"
}

targets=(number quantity ini script catalogue section_table order job)
echo "== ${#targets[@]} fuzz targets for ${seconds} s each, ${jobs} at a time"
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
        wait -n || true
    done
    fuzz "$target" &
done
wait

failed=0
for target in "${targets[@]}"; do
    work=$scratch/$target
    if [ "$(cat "$work/status")" != 0 ]; then
        echo "== ${target}_fuzz failed"
        tail -40 "$work/log"
        for f in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
            [ -f "$f" ] && { echo "input ($f):"; xxd "$f" | head -20; }
        done
        failed=1
    else
        echo "== ${target}_fuzz: $(grep -E '^Done' "$work/log" || echo done)"
    fi
done
exit "$failed"
