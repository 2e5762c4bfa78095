#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Opening and saving a job of ROWS rows (volcalc-cli --job J --save-job J2) against reading the
# same rows as a list and writing them as CSV (--input-csv L --csv), side by side. Medians of RUNS
# runs each, alternating, so that a busy machine slows both alike. The goal: within 3 times.
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

seconds() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

list_times=() job_times=()
for ((run = 0; run < runs; run++)); do
    list_times+=("$(seconds "$cli" --ini /nonexistent/volcalc.ini --csv --input-csv "$scratch/list.csv")")
    rm -f "$scratch/saved.volcalc"
    job_times+=("$(seconds "$cli" --ini /nonexistent/volcalc.ini --job "$scratch/job.volcalc" \
        --save-job "$scratch/saved.volcalc" "$scratch/empty.txt")")
done
cmp -s "$scratch/job.volcalc" "$scratch/saved.volcalc" || { echo "the job saved again differs" >&2; exit 1; }
list=$(printf '%s\n' "${list_times[@]}" | median)
job=$(printf '%s\n' "${job_times[@]}" | median)
awk -v n="$rows" -v l="$list" -v j="$job" -v size="$(stat -c %s "$scratch/job.volcalc")" 'BEGIN {
    printf "--input-csv read, --csv written: %d rows in %.3f s\n", n, l
    printf "--job opened, --save-job saved:  %d rows in %.3f s (%.1f MB)\n", n, j, size / 1e6
    printf "a job takes %.2f times the list (goal: at most 3)\n", j / l
}'
