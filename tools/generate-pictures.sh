#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the picture generator on its own (it needs nothing else of the tree) and draws every
# picture into resources/. The pictures are kept in git; the ordinary build only packs them.
#
#   tools/generate-pictures.sh            redraw resources/
#   tools/generate-pictures.sh DIR        draw into DIR instead, e.g. to compare with resources/
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VOLCALC_PICTURES_BUILD:-$root/build-pictures/generator}"
out="${1:-$root/resources}"

cmake -S "$root/tools" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
QT_QPA_PLATFORM=offscreen "$build/volcalc_picture_generator" "$out"
