#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions that volcalc and the yardstick window (text_window.cpp) execute from process start
# to their first painted frame, counted by callgrind: unlike times, the counts repeat on a machine
# busy with other work. The probe (first_paint_probe.c) ends each program at its first frame.
#   bash bench/startup/count.sh [BUILD_DIR] [OUT_DIR]    (defaults: build, BUILD_DIR/bench-startup)
# VOLCALC=PROGRAM counts another build of the program. OUT_DIR keeps callgrind.yardstick and
# callgrind.volcalc for callgrind_annotate (--inclusive=yes shows where the work goes).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(realpath "${1:-build}")"
out="$(realpath -m "${2:-$build/bench-startup}")"
volcalc="${VOLCALC:-$build/ui/volcalc}"
# shellcheck source=bench/startup/common.sh
source "$here/common.sh"

mkdir -p "$out"
run_in_session "$build" "$out"

# A copy of the program with the starter catalogue, as measure.sh runs it.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
copy_program "$volcalc" "$work"

# Prints the instructions counted for one program, up to its first frame.
count() {
    local name="$1" line
    shift
    line="$(FIRST_PAINT_FD=3 FIRST_PAINT_EXIT=1 LD_PRELOAD="$probe" QT_QPA_PLATFORM=xcb \
        valgrind --tool=callgrind --callgrind-out-file="$out/callgrind.$name" "$@" 3>&1 >/dev/null 2>&1)"
    if [[ $line != painted* ]]; then
        echo "no paint from $1" >&2
        return 1
    fi
    awk '/^totals:/ { print $2 }' "$out/callgrind.$name"
}

yardstick_ir="$(count yardstick "$yardstick")"
volcalc_ir="$(count volcalc "$work/volcalc")"
awk -v y="$yardstick_ir" -v v="$volcalc_ir" 'BEGIN {
    printf "instructions to the first frame: window with one line of text %.1f million, volcalc %.1f million (%.2f times)\n",
           y / 1e6, v / 1e6, v / y }'
