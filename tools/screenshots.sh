#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the main window in a few typical states (start; a cylinder with results; an
# aperture cone; a profile panel), drawn offscreen without a desktop (`make screenshots`).
#
#   tools/screenshots.sh [BUILD] [OUT]    BUILD defaults to build/, OUT to out/screenshots/
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$root/out/screenshots}"

program="$build/ui/volcalc_screenshots"
if [ ! -x "$program" ]; then
    cmake --build "$build" --target volcalc_screenshots
fi
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$program" "$out"
echo "screenshots in $out"
