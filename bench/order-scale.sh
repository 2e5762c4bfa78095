#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times volcalc-cli --order on generated orders: the JSON document against the piece count
# (one length, 10,000 to 1,000,000 pieces), then planning orders of 1,000,000 and 4,000,000 pieces of many lengths, with the
# peak memory. `bash bench/order-scale.sh [BUILD] [json|lengths]` runs one part only.
set -euo pipefail
build=${1:-build}
part=${2:-all}
cli="$build/cli/volcalc-cli"
script=$(mktemp /tmp/volcalc-order-XXXXXX.txt)
trap 'rm -f "$script" "$script.mem"' EXIT

# Seconds on the clock, seconds of processor time (which another load does not stretch) and peak
# megabytes of one run, output thrown away.
measure() {
    /usr/bin/time -f "%e %U %S %M" -o "$script.mem" "$cli" --ini /nonexistent/volcalc.ini "$@" "$script" >/dev/null
    awk '{ printf "%.2f %.2f %.1f", $1, $2 + $3, $4 / 1024 }' "$script.mem"
}

if [ "$part" != lengths ]; then
    # The same order as text beside it: the JSON document adds little, and in proportion.
    for pieces in 10000 100000 300000 1000000; do
        awk -v n="$pieces" 'BEGIN {
            print "density 7850"
            for (i = 0; i < n / 1000; i++) print "object Cylinder millimeter 1000 20 1500"
        }' >"$script"
        read -r _ text _ <<<"$(measure --order 6000)"
        read -r _ json megabytes <<<"$(measure --json --order 6000)"
        awk -v t="$json" -v x="$text" -v n="$pieces" -v m="$megabytes" 'BEGIN {
            printf "volcalc-cli --order --json, %7d pieces of one length: %.2f s of processor time (as text %.2f s), %.1f MB peak\n",
                n, t, x, m
        }'
    done
fi

if [ "$part" != json ]; then
    # 2,800 lengths from 200 to 2999 mm, ten pieces a line, for bars of 6 m and 12 m with a 3 mm kerf.
    for pieces in 1000000 4000000; do
        awk -v n="$pieces" 'BEGIN {
            print "density 7850"
            for (i = 0; i < n / 10; i++) print "object Cylinder millimeter 10 20 " 200 + (i * 7919) % 2800
        }' >"$script"
        read -r seconds processor megabytes <<<"$(measure --order 6000,12000 --kerf 3)"
        printf "volcalc-cli --order, %7d pieces of 2,800 lengths: %s s (%s s of processor time), %s MB peak\n" \
            "$pieces" "$seconds" "$processor" "$megabytes"
    done
fi
