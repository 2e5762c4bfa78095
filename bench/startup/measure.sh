#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of volcalc against a Qt 6 window that draws one line of text (text_window.cpp):
# time from spawning the program to its first painted frame on the X display, the processor time
# the program used by then and its peak resident memory, median of RUNS runs of each,
# alternating, on the same display. On a machine busy with other work the clock time swells
# with the waiting; the processor time does not.
#   bash bench/startup/measure.sh [BUILD_DIR] [RUNS]     (defaults: build, 21)
# VOLCALC=PROGRAM measures another build of the program, e.g. one from before a change.
# The display is $DISPLAY when set, else a private Xvfb started here. Both programs run in one
# private D-Bus session, as on a desktop, so that neither starts a bus of its own.
# The first paint is seen by first_paint_probe.c, loaded into the program: it reports the first
# upload of window pixels to the X server, so the programs run unchanged and log nothing.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(realpath "${1:-build}")"
runs="${2:-21}"
volcalc="${VOLCALC:-$build/ui/volcalc}"
# shellcheck source=bench/startup/common.sh
source "$here/common.sh"

run_in_session "$build" "$runs"

# Prints "MILLISECONDS PEAK_KB PROCESSOR_MS" for one start of the program, which is then ended.
first_paint() {
    local start end line
    start=$EPOCHREALTIME
    coproc PROGRAM {
        FIRST_PAINT_FD=3 LD_PRELOAD="$probe" QT_QPA_PLATFORM=xcb exec "$@" 3>&1 >/dev/null 2>&1
    }
    local pid=$PROGRAM_PID
    IFS= read -r line <&"${PROGRAM[0]}" || line=""
    end=$EPOCHREALTIME
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [[ $line != painted* ]]; then
        echo "no paint from $1" >&2
        return 1
    fi
    awk -v s="$start" -v e="$end" -v probe="${line#painted }" 'BEGIN { printf "%.1f %s\n", (e - s) * 1000, probe }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# A copy of the program with the starter catalogue, so that a catalogue grown in the build
# does not weigh on the figures.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
copy_program "$volcalc" "$work"

# One warm-up each, so that both start from a warm file cache.
first_paint "$yardstick" >/dev/null
first_paint "$work/volcalc" >/dev/null
yardstick_runs=()
volcalc_runs=()
for _ in $(seq "$runs"); do
    yardstick_runs+=("$(first_paint "$yardstick")")
    volcalc_runs+=("$(first_paint "$work/volcalc")")
done

column() { printf '%s\n' "${@:2}" | awk -v c="$1" '{ print $c }' | median; }
yardstick_ms="$(column 1 "${yardstick_runs[@]}")"
volcalc_ms="$(column 1 "${volcalc_runs[@]}")"
yardstick_kb="$(column 2 "${yardstick_runs[@]}")"
volcalc_kb="$(column 2 "${volcalc_runs[@]}")"
yardstick_cpu="$(column 3 "${yardstick_runs[@]}")"
volcalc_cpu="$(column 3 "${volcalc_runs[@]}")"
echo "runs: $runs each, alternating; medians to the first painted frame"
printf '%-28s %8s %10s %10s\n' "" "clock ms" "processor ms" "peak kB"
printf '%-28s %8s %10s %10s\n' "Qt 6 window with one line:" "$yardstick_ms" "$yardstick_cpu" "$yardstick_kb"
printf '%-28s %8s %10s %10s\n' "volcalc:" "$volcalc_ms" "$volcalc_cpu" "$volcalc_kb"
awk -v v="$volcalc_ms" -v y="$yardstick_ms" -v vc="$volcalc_cpu" -v yc="$yardstick_cpu" \
    -v vk="$volcalc_kb" -v yk="$yardstick_kb" 'BEGIN {
        printf "ratio: clock %.2f, processor %.2f (goal at most 1.15); peak memory %.2f (goal at most 1.20)\n",
               v / y, vc / yc, vk / yk }'
