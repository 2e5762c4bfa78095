#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target for a bounded time from its seed corpus; fails on the first finding,
# printing the input that broke it (turn it into a regular test).
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
for target in number quantity ini script catalogue section_table order; do
    work=$(mktemp -d)
    echo "== ${target}_fuzz for ${seconds} s"
    if ! "$build/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -artifact_prefix="$work/" \
        "$work" "$here/corpus/$target" >"$work/log" 2>&1; then
        tail -40 "$work/log"
        for f in "$work"/crash-* "$work"/leak-* "$work"/timeout-*; do
            [ -f "$f" ] && { echo "input ($f):"; xxd "$f" | head -20; }
        done
        exit 1
    fi
    grep -E '^Done' "$work/log" || true
    rm -rf "$work"
done
