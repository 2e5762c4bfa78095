#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A picture of the main window as the X display shows it at its first paint, to compare what the
# user sees before and after a change of the start-up.
#   bash bench/startup/first-paint.sh [BUILD_DIR] [OUT.png]    (defaults: build, first-paint.png)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build}"
out="$(realpath -m "${2:-first-paint.png}")"
volcalc="$(realpath "$build/ui/volcalc")"
grabber="$build/bench-startup/grab_screen"

if [ ! -x "$grabber" ] || [ "$here/grab_screen.cpp" -nt "$grabber" ]; then
    mkdir -p "$(dirname "$grabber")"
    # shellcheck disable=SC2046
    c++ -std=c++17 -O2 -fPIC "$here/grab_screen.cpp" -o "$grabber" $(pkg-config --cflags --libs Qt6Gui)
fi

# shellcheck source=bench/startup/common.sh
source "$here/common.sh"
work="$(mktemp -d)"
program_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    stop_private_display
    rm -rf "$work"
}
trap cleanup EXIT

# The starter catalogue beside a copy of the program, so that the picture does not depend on
# what a user changed in the build's catalogue.
copy_program "$volcalc" "$work"

start_private_display
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8

mkfifo "$work/log"
QT_LOGGING_RULES="qt.widgets.painting=true" "$work/volcalc" 2>"$work/log" >/dev/null &
program_pid=$!
while IFS= read -r line; do
    [[ $line == *"Flushing top level"* ]] && break
done <"$work/log"
cat "$work/log" >/dev/null &

eval "$(xdotool search --sync --onlyvisible --pid "$program_pid" --name 'Orlisk' getwindowgeometry --shell)"
"$grabber" "$out" "$X" "$Y" "$WIDTH" "$HEIGHT"
echo "$out: ${WIDTH}x${HEIGHT} at $X,$Y"
