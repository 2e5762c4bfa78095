#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The yardsticks of the catalogue figures as commands: `cat FILE > /dev/null` and
# `cp FILE COPY && sync COPY` on catalogues of 100,000 and 1,000,000 materials laid out as
# materials_bench writes them, without prices and with a price for every material; median of RUNS
# runs, in milliseconds.
set -euo pipefail
runs=${1:-21}
folder=$(mktemp -d /tmp/volcalc-yardstick-XXXXXX)
trap 'rm -rf "$folder"' EXIT

# The median time of RUNS runs of a function, from the shell's own clock (no process to read it).
median_ms() {
    for _ in $(seq "$runs"); do
        start=$EPOCHREALTIME
        "$@"
        end=$EPOCHREALTIME
        echo "$start $end"
    done | awk '{ print ($2 - $1) * 1000 }' | sort -n | awk '{ t[NR] = $1 } END { printf "%.2f", t[int((NR + 1) / 2)] }'
}
read_file() { cat "$file" >/dev/null; }
copy_file() { cp "$file" "$file.copy" && sync "$file.copy"; }

for file_kind in "100000 plain" "100000 priced" "1000000 plain" "1000000 priced"; do
    read -r count kind <<<"$file_kind"
    file="$folder/volcalc-$count-$kind.ini"
    awk -v n="$count" -v priced="$([ "$kind" = priced ] && echo 1 || echo 0)" 'BEGIN {
        print "[Count]"; print "Count=" n; print "[Material]"
        for (i = 0; i < n; i++) print i "=Material number " i
        print "[Density]"
        for (i = 0; i < n; i++) print i "=" 1000 + i % 9000
        if (priced) {
            print "[Price]"
            for (i = 0; i < n; i++) print i "=" 1 + i % 400 "." 10 + i % 90
            print "[Currency]"; print "Currency=EUR"
        }
    }' >"$file.made"
    # Written in one piece, as the programs write a catalogue (a file written in small pieces
    # takes longer to read back from the cache).
    dd if="$file.made" of="$file" bs=64M status=none
    rm "$file.made"
    read_ms=$(median_ms read_file)
    copy_ms=$(median_ms copy_file)
    echo "$count materials, $kind: cat ${read_ms} ms, cp and sync ${copy_ms} ms"
done
