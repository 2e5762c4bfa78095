#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The long random run of the main window: builds the run's test program in BUILD_DIR and runs it
# headless for STEPS random user actions (default 30000) from SEED (default: the test's own).
#
#   tests/ui/long-random-run.sh BUILD_DIR [STEPS] [SEED]
#
# A failure names the step, the seed and the last actions; rerun with the same SEED and the
# failing step as STEPS, and VOLCALC_RANDOM_TRACE=1 to see every action.
set -euo pipefail

if [[ $# -lt 1 || $# -gt 3 ]]; then
    echo "usage: $0 BUILD_DIR [STEPS] [SEED]" >&2
    exit 2
fi
build=$1
steps=${2:-30000}
seed=${3:-}
for number in "$steps" ${seed:+"$seed"}; do
    if [[ ! $number =~ ^[0-9]+$ ]]; then
        echo "$0: '$number' is not a whole number" >&2
        exit 2
    fi
done

cmake --build "$build" --target random_run_tests
program="$build/tests/ui/random_run_tests"

export QT_QPA_PLATFORM=offscreen
export VOLCALC_RANDOM_STEPS=$steps
if [[ -n $seed ]]; then
    export VOLCALC_RANDOM_SEED=$seed
fi

start=$(date +%s)
status=0
"$program" --gtest_filter='RandomRun.*' || status=$?
echo "long random run: $steps steps in $(($(date +%s) - start)) s, exit status $status"
exit "$status"
