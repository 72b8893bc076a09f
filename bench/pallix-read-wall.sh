#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Wall time of `pallix-read --count 20 --interval 0` against the simulator, as
# a ratio to the 20 x 300 ms its readings must wait; the median of RUNS runs;
# in the dev build (build/).
#   bench/pallix-read-wall.sh [RUNS]     (default 5)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
runs=${1:-5}
reader=$(build_dir dev)/bin/pallix-read
[ -x "$reader" ] || { echo "pallix-read-wall: build $reader first" >&2; exit 1; }

unset LD_LIBRARY_PATH
ratios=()
for ((run = 0; run < runs; ++run)); do
    # The shell's own clock: no process of its own around the one measured.
    start=$EPOCHREALTIME
    PALLIX400_SIM_TEMP=25 "$reader" --count 20 --interval 0 >/dev/null 2>&1
    end=$EPOCHREALTIME
    ratios+=("$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.5f", (e - s) / 6.0 }')")
done
median=$(printf '%s\n' "${ratios[@]}" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
echo "pallix-read --count 20 --interval 0: wall / (20 x 300 ms) = ${ratios[*]}"
echo "median $median (target at most 1.002)"
