#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the window on a real X display (Xvfb) with a private D-Bus session and the desktop's
# accessibility bus, then drives and reads it as a screen reader does, through that bus.
#   run-atspi-test.sh VOLCALC_EXECUTABLE
# Needs Xvfb, dbus-run-session, at-spi2-core, python3-pyatspi and xdotool.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"

if [ "${1:-}" = --inside-session ]; then
    shift
    program_dir="$1"
    # Qt registers with the accessibility registry only when it finds the bus through the
    # session bus itself; an inherited address would make it skip the registration.
    unset AT_SPI_BUS_ADDRESS
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program_dir/volcalc" \
        >"$program_dir/program.log" 2>&1 &
    program=$!
    status=0
    /usr/bin/python3 "$here/atspi_scenario.py" "$program" || status=$?
    # The scenario ends by pressing Exit: the program must end by itself.
    for _ in $(seq 100); do
        kill -0 "$program" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program" 2>/dev/null; then
        kill "$program" 2>/dev/null || true
        status=1
        echo "the program was still running after the scenario" >&2
    fi
    wait "$program" || { echo "the program ended with status $?" >&2; status=1; }
    kill "$launcher" 2>/dev/null || true
    wait "$launcher" 2>/dev/null || true
    if [ "$status" -ne 0 ]; then
        sed 's/^/program: /' "$program_dir/program.log" >&2
    fi
    exit "$status"
fi

volcalc="$(realpath "$1")"
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The program with a catalogue of its own, in a folder of its own, and a home of its own.
mkdir -p "$work/program" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp "$volcalc" "$work/program/volcalc"
cp -r "$(dirname "$volcalc")/sections" "$work/program/sections"
printf '[Count]\nCount=3\n[Material]\n0=Steel\n1=Aluminium\n2=Copper\n[Density]\n0=7850\n1=2700\n2=8900\n' \
    >"$work/program/volcalc.ini"

# A display that answers: Xvfb names a free one when it is ready; one that went away at once is
# started again, a few times. Without -noreset the server resets whenever its last client leaves
# (the check below, the bus launcher), and a program connecting just then is turned away.
start_display() {
    local display_file="$work/display"
    rm -f "$display_file"
    Xvfb -displayfd 6 -screen 0 1280x1024x24 -nolisten tcp -noreset 6>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    [ -s "$display_file" ] || return 1
    display=":$(head -n1 "$display_file")"
    DISPLAY="$display" xdotool getdisplaygeometry >/dev/null 2>&1
}
display=""
for _ in 1 2 3; do
    start_display && break
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
    display=""
done
if [ -z "$display" ]; then
    echo "Xvfb did not start" >&2
    exit 1
fi

export DISPLAY="$display"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
dbus-run-session -- bash "$here/run-atspi-test.sh" --inside-session "$work/program" 2> >(grep -v -e "fd limit" -e "X connection to" -e "SpiRegistry daemon" -e "dbus-daemon\[" >&2)
