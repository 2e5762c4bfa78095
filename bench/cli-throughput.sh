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

# Beside it, mawk doing the same work (bench/cli-throughput.awk): the clock and the processor time
# (user + system, which a busy machine disturbs less), and their ratios to mawk's.
times=$(mktemp /tmp/volcalc-throughput-XXXXXX.time)
trap 'rm -f "$script" "$times"' EXIT
timed() { # NAME COMMAND...: prints NAME, clock seconds, processor seconds
    local name=$1 start end
    shift
    start=$(date +%s.%N)
    /usr/bin/time -f "%U %S" -o "$times" "$@" >/dev/null
    end=$(date +%s.%N)
    awk -v n="$name" -v s="$start" -v e="$end" '{ printf "%s %.3f %.3f\n", n, e - s, $1 + $2 }' "$times"
}
cli_run=$(timed volcalc-cli "$cli" --ini /nonexistent/volcalc.ini "$script")
awk_run=$(timed mawk mawk -f "$(dirname "$0")/cli-throughput.awk" "$script")
awk -v n="$lines" -v c="$cli_run" -v a="$awk_run" 'BEGIN {
    split(c, cli, " "); split(a, mawk, " ")
    printf "volcalc-cli: %d calculation lines in %.3f s = %.0f lines/s, %.3f s of processor time\n", n, cli[2], n / cli[2], cli[3]
    printf "mawk, the same work: %.3f s, %.3f s of processor time\n", mawk[2], mawk[3]
    printf "volcalc-cli / mawk: %.2f of the clock time, %.2f of the processor time\n", cli[2] / mawk[2], cli[3] / mawk[3]
}'

# A 1,000,000-row list from a spreadsheet, weighed and written as a CSV report.
csv=$(mktemp /tmp/volcalc-throughput-XXXXXX.csv)
trap 'rm -f "$script" "$times" "$csv"' EXIT
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
