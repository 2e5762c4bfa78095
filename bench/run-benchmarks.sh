#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark of the build folder and the command-line throughput measurement.
set -euo pipefail
build=${1:-build}
for b in "$build"/bench/*_bench; do
    [ -x "$b" ] && "$b" --benchmark_min_time=0.2
done
bash "$(dirname "$0")/cli-throughput.sh" "$build"
bash "$(dirname "$0")/section-throughput.sh" "$build"
bash "$(dirname "$0")/catalogue-commands.sh"
bash "$(dirname "$0")/order-scale.sh" "$build"
bash "$(dirname "$0")/job-throughput.sh" "$build"
