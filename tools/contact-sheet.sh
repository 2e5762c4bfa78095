#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the pictures of resources/ side by side for review:
#   OUT            the 25 shape pictures at full size, named underneath
#   OUT-small.png  buttons, icons, About box pictures, four times enlarged
#   OUT-large.png  the large icons and the wallpaper tiled two by two
#
#   tools/contact-sheet.sh [OUT] [DIR]    OUT defaults to /tmp/contact-sheet.png, DIR to resources/
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VOLCALC_PICTURES_BUILD:-$root/build-pictures/generator}"
out="${1:-/tmp/contact-sheet.png}"
dir="${2:-$root/resources}"

cmake -S "$root/tools" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
generator="$build/volcalc_picture_generator"
export QT_QPA_PLATFORM=offscreen
"$generator" --contact-sheet "$out" "$dir"
"$generator" --small-sheet "${out%.png}-small.png" "$dir"
"$generator" --large-sheet "${out%.png}-large.png" "$dir"
echo "wrote $out, ${out%.png}-small.png and ${out%.png}-large.png"
