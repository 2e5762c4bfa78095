#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Opening and saving a job of ROWS rows (volcalc-cli --job J --save-job J2) against reading the
# same rows as a list and writing them as CSV (--input-csv L --csv), side by side: medians of RUNS
# runs each, alternating, in processor time (which the machine's other load does not stretch) and
# on the clock. Both write a file: the CSV as the shell writes standard output, the job synced and
# renamed over. The goal: within 3 times.
set -euo pipefail
build=${1:-build}
rows=${2:-100000}
runs=${3:-5}
cli="$build/ui/volcalc-cli"
[[ -x $cli ]] || cli="$build/cli/volcalc-cli"
scratch=$(mktemp -d /tmp/volcalc-jobs-XXXXXX)
trap 'rm -rf "$scratch"' EXIT

# A frame's parts: plates, bars, pipes and holes, each typed as a person would.
awk -v n="$rows" 'BEGIN {
    print "group,shape,unit,quantity,material,p1,p2,p3,p4,p5"
    for (i = 0; i < n; i++) {
        k = i % 4
        if (k == 0) printf "object,Parallelepiped,millimeter,%d,density 7850,%d,300,15\n", i % 9 + 1, 200 + i % 500
        else if (k == 1) printf "object,Cylinder,millimeter,%d,density 7850,20,%d.5\n", i % 7 + 1, 1000 + i % 3000
        else if (k == 2) printf "object,Pipe,millimeter,2,density 2700,48.3,40.3,%d\n", 2000 + i % 4000
        else printf "aperture,Cylinder,millimeter,4,density 7850,22,15\n"
    }
}' >"$scratch/list.csv"
: >"$scratch/empty.txt"
"$cli" --ini /nonexistent/volcalc.ini --input-csv "$scratch/list.csv" --save-job "$scratch/job.volcalc" >/dev/null

seconds() { # processor and clock seconds of one run, "CPU CLOCK"; its output goes to a file
    /usr/bin/time -f "%U %S %e" -o "$scratch/time" "$@" >"$scratch/out"
    awk '{ printf "%.3f %.3f\n", $1 + $2, $3 }' "$scratch/time"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

list_cpu=() list_clock=() job_cpu=() job_clock=()
for ((run = 0; run < runs; run++)); do
    read -r cpu clock < <(seconds "$cli" --ini /nonexistent/volcalc.ini --csv --input-csv "$scratch/list.csv")
    list_cpu+=("$cpu") list_clock+=("$clock")
    rm -f "$scratch/saved.volcalc"
    read -r cpu clock < <(seconds "$cli" --ini /nonexistent/volcalc.ini --job "$scratch/job.volcalc" \
        --save-job "$scratch/saved.volcalc" "$scratch/empty.txt")
    job_cpu+=("$cpu") job_clock+=("$clock")
done
cmp -s "$scratch/job.volcalc" "$scratch/saved.volcalc" || { echo "the job saved again differs" >&2; exit 1; }
m() { printf '%s\n' "$@" | median; }
awk -v n="$rows" -v lc="$(m "${list_cpu[@]}")" -v ll="$(m "${list_clock[@]}")" -v jc="$(m "${job_cpu[@]}")" \
    -v jl="$(m "${job_clock[@]}")" -v size="$(stat -c %s "$scratch/job.volcalc")" 'BEGIN {
    printf "--input-csv read, --csv written: %d rows, %.2f s of processor time, %.2f s on the clock\n", n, lc, ll
    printf "--job opened, --save-job saved:  %d rows, %.2f s of processor time, %.2f s on the clock (%.1f MB)\n", n, jc, jl, size / 1e6
    printf "a job takes %.1f times the list in processor time, %.1f times on the clock (goal: at most 3)\n", jc / lc, jl / ll
}'
