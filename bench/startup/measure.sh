#!/usr/bin/env bash
# Time from process start to the first painted window: volcalc against a bare Qt 6 window,
# measured side by side, alternating, on the same display.
#   bash bench/startup/measure.sh [BUILD_DIR] [RUNS]     (defaults: build, 15)
# The display is $DISPLAY when set, else a private Xvfb started here, else the offscreen platform;
# PLATFORM=offscreen measures without any display.
# A program has painted when Qt reports the first flush of its top-level window.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build}"
runs="${2:-15}"
volcalc="$build/ui/volcalc"
bare="$build/bench-startup/bare_window"
label="$build/bench-startup/label_window"

if [ ! -x "$volcalc" ]; then
    cmake --build "$build" --target volcalc
fi
# The yardsticks are built here, outside the project's build, with the system's Qt 6.
for yardstick in "$bare" "$label"; do
    source_file="$here/$(basename "$yardstick").cpp"
    if [ ! -x "$yardstick" ] || [ "$source_file" -nt "$yardstick" ]; then
        mkdir -p "$(dirname "$yardstick")"
        # shellcheck disable=SC2046
        c++ -std=c++17 -O2 -fPIC "$source_file" -o "$yardstick" $(pkg-config --cflags --libs Qt6Widgets)
    fi
done

xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

platform="${PLATFORM:-xcb}"
if [ "$platform" = xcb ] && [ -z "${DISPLAY:-}" ]; then
    if command -v Xvfb >/dev/null; then
        display_file="$(mktemp)"
        Xvfb -displayfd 6 -screen 0 1280x1024x24 -nolisten tcp 6>"$display_file" 2>/dev/null &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [ -s "$display_file" ] && break
            sleep 0.1
        done
        export DISPLAY=":$(head -n1 "$display_file")"
        rm -f "$display_file"
    else
        platform="offscreen"
    fi
fi

# Milliseconds from spawning the program to its first flush.
first_paint_ms() {
    local start end="" line
    start=$EPOCHREALTIME
    coproc PROGRAM {
        QT_QPA_PLATFORM="$platform" QT_LOGGING_RULES="qt.widgets.painting=true" exec "$@" 2>&1 >/dev/null
    }
    local pid=$PROGRAM_PID
    while IFS= read -r line <&"${PROGRAM[0]}"; do
        if [[ $line == *"Flushing top level"* ]]; then
            end=$EPOCHREALTIME
            break
        fi
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -z "$end" ]; then
        echo "no paint from $1" >&2
        return 1
    fi
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f\n", (e - s) * 1000 }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One warm-up each, so that all start from a warm file cache.
for program in "$bare" "$label" "$volcalc"; do
    first_paint_ms "$program" >/dev/null
done
bare_times=()
label_times=()
volcalc_times=()
for _ in $(seq "$runs"); do
    bare_times+=("$(first_paint_ms "$bare")")
    label_times+=("$(first_paint_ms "$label")")
    volcalc_times+=("$(first_paint_ms "$volcalc")")
done

bare_median="$(printf '%s\n' "${bare_times[@]}" | median)"
label_median="$(printf '%s\n' "${label_times[@]}" | median)"
volcalc_median="$(printf '%s\n' "${volcalc_times[@]}" | median)"
echo "platform: $platform, runs: $runs, median time to first paint"
echo "bare Qt 6 window:            ${bare_median} ms"
echo "bare window with one label:  ${label_median} ms"
echo "volcalc:                     ${volcalc_median} ms"
awk -v v="$volcalc_median" -v b="$bare_median" 'BEGIN { printf "ratio: %.2f (goal: at most 1.30)\n", v / b }'
