#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lines per second of volcalc-cli on two scripts of equal length, side by side: one names standard
# sections by designation with one length, the other types the I-Beam shape's five parameters.
# Medians of RUNS runs each, alternating, so that a busy machine slows both alike.
set -euo pipefail
build=${1:-build}
lines=${2:-1000000}
runs=${3:-5}
# Beside the window; in a build without the window, in cli/.
cli="$build/ui/volcalc-cli"
[[ -x $cli ]] || cli="$build/cli/volcalc-cli"
sections=$(mktemp /tmp/volcalc-sections-XXXXXX.txt)
beams=$(mktemp /tmp/volcalc-beams-XXXXXX.txt)
trap 'rm -f "$sections" "$beams"' EXIT

awk -v n="$lines" 'BEGIN {
    split("\"IPE 200\"|\"HEA 300\"|ipe400|\"HE 200 B\"", names, "|")
    print "density 7850"
    for (i = 0; i < n; i++) print "object " names[i % 4 + 1] " millimeter 1 6000"
    print "show"
}' >"$sections"
awk -v n="$lines" 'BEGIN {
    split("200 100 5.6 8.5|290 300 8.5 14|400 180 8.6 13.5|200 200 9 15", sizes, "|")
    print "density 7850"
    for (i = 0; i < n; i++) print "object I-Beam millimeter 1 " sizes[i % 4 + 1] " 6000"
    print "show"
}' >"$beams"

seconds() {
    local start end
    start=$(date +%s.%N)
    "$cli" --ini /nonexistent/volcalc.ini "$1" >/dev/null
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

section_times=() beam_times=()
for ((run = 0; run < runs; run++)); do
    section_times+=("$(seconds "$sections")")
    beam_times+=("$(seconds "$beams")")
done
section=$(printf '%s\n' "${section_times[@]}" | median)
beam=$(printf '%s\n' "${beam_times[@]}" | median)
awk -v n="$lines" -v s="$section" -v b="$beam" 'BEGIN {
    printf "section by designation: %d lines in %.3f s = %.0f lines/s\n", n, s, n / s
    printf "I-Beam, five parameters: %d lines in %.3f s = %.0f lines/s\n", n, b, n / b
    printf "sections run at %.2f times the I-Beam lines per second\n", b / s
}'
