#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times volcalc-cli over a script of 1,000,000 calculation lines and prints lines per second.
set -euo pipefail
build=${1:-build}
lines=${2:-1000000}
# Beside the window; in a build without the window, in cli/.
cli="$build/ui/volcalc-cli"
[[ -x $cli ]] || cli="$build/cli/volcalc-cli"
script=$(mktemp /tmp/volcalc-throughput-XXXXXX.txt)
trap 'rm -f "$script"' EXIT

awk -v n="$lines" 'BEGIN {
    print "density 7850"
    for (i = 0; i < n; i++) {
        k = i % 4
        if (k == 0) print "object Parallelepiped millimeter 2 1000 250,5 10"
        else if (k == 1) print "object \"I-Beam\" millimeter 1 200 100 8 12.5 6000"
        else if (k == 2) print "aperture Cylinder millimeter 4 22 10"
        else print "object Pipe inch 3 2.5 2 120"
    }
    print "show"
}' >"$script"

start=$(date +%s.%N)
"$cli" --ini /nonexistent/volcalc.ini "$script" >/dev/null
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" -v n="$lines" 'BEGIN {
    t = e - s
    printf "volcalc-cli: %d calculation lines in %.3f s = %.0f lines/s\n", n, t, n / t
}'

# A 1,000,000-row list from a spreadsheet, weighed and written as a CSV report.
csv=$(mktemp /tmp/volcalc-throughput-XXXXXX.csv)
trap 'rm -f "$script" "$csv"' EXIT
awk -v n="$lines" 'BEGIN {
    print "group,shape,unit,quantity,material,p1,p2,p3,p4,p5\r"
    for (i = 0; i < n; i++) {
        k = i % 3
        if (k == 0) print "object,Parallelepiped,millimeter,2,density 7850,1000,\"250,5\",10,,\r"
        else if (k == 1) print "object,I-Beam,millimeter,1,,200,100,8,12.5,6000\r"
        else print "aperture,Cylinder,millimeter,4,,22,10,,,\r"
    }
}' >"$csv"
# The same list as a CSV and as a JSON report, side by side: time and peak memory.
for format in csv json; do
    start=$(date +%s.%N)
    /usr/bin/time -f "%M" -o "$csv.mem" "$cli" --ini /nonexistent/volcalc.ini --$format --input-csv "$csv" >/dev/null
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" -v n="$lines" -v m="$(cat "$csv.mem")" -v f="$format" 'BEGIN {
        t = e - s
        printf "volcalc-cli --%s --input-csv: %d rows in %.3f s = %.0f rows/s, peak memory %.1f MB\n", f, n, t, n / t, m / 1024
    }'
done
rm -f "$csv.mem"
