# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the start-up scripts (with $here set to this folder and $build to the build folder):
#   build_startup_tools      builds the yardstick window and the first-paint probe, outside the
#                            project's build, with the system's Qt 6 and C compiler; sets
#                            yardstick and probe to their paths
#   copy_program PROGRAM DIR a copy of the program in DIR with the starter catalogue (so that a
#                            catalogue grown in the build does not weigh on the figures) and the
#                            module it loads on first use, where the build has one
#   start_private_display    starts a private X display (Xvfb) of the size a desktop has, exports
#                            DISPLAY and sets private_display_pid
#   stop_private_display     ends it (safe to call when none was started)
#   run_in_session ARGS...   unless the script already runs so, builds the program ($volcalc) and
#                            the tools, runs the script again with ARGS on a display (a private
#                            one unless $DISPLAY is set) in a private D-Bus session, as on a
#                            desktop, and exits with it
# -noreset keeps the server from resetting when its last client leaves, which would turn away a
# program connecting just then.
private_display_pid=""
yardstick="$build/bench-startup/text_window"
probe="$build/bench-startup/first_paint_probe.so"

build_startup_tools() {
    mkdir -p "$build/bench-startup"
    if [ ! -x "$yardstick" ] || [ "$here/text_window.cpp" -nt "$yardstick" ]; then
        # shellcheck disable=SC2046
        c++ -std=c++17 -O2 -fPIC "$here/text_window.cpp" -o "$yardstick" $(pkg-config --cflags --libs Qt6Widgets)
    fi
    if [ ! -f "$probe" ] || [ "$here/first_paint_probe.c" -nt "$probe" ]; then
        cc -shared -fPIC -O2 "$here/first_paint_probe.c" -o "$probe" -ldl
    fi
}

copy_program() {
    cp "$1" "$2/volcalc"
    cp "$here/../../data/volcalc.ini" "$2/volcalc.ini"
    if [ -f "$(dirname "$1")/libvolcalc_on_demand.so" ]; then
        cp "$(dirname "$1")/libvolcalc_on_demand.so" "$2/"
    fi
}

start_private_display() {
    local display_file
    display_file="$(mktemp)"
    Xvfb -displayfd 6 -screen 0 1280x1024x24 -nolisten tcp -noreset 6>"$display_file" 2>/dev/null &
    private_display_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    if [ ! -s "$display_file" ]; then
        rm -f "$display_file"
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(head -n1 "$display_file")"
    rm -f "$display_file"
}

stop_private_display() {
    if [ -n "$private_display_pid" ]; then
        kill "$private_display_pid" 2>/dev/null || true
        wait "$private_display_pid" 2>/dev/null || true
        private_display_pid=""
    fi
}

run_in_session() {
    if [ "${STARTUP_INSIDE_SESSION:-}" = 1 ]; then
        return
    fi
    if [ ! -x "$volcalc" ]; then
        cmake --build "$build" --target volcalc
    fi
    build_startup_tools
    trap stop_private_display EXIT
    if [ -z "${DISPLAY:-}" ]; then
        start_private_display
    fi
    local status=0
    STARTUP_INSIDE_SESSION=1 dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'fd limit' >&2) || status=$?
    exit "$status"
}
