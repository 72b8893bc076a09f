#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# pallix-read.exe with a --name and an --output path outside the ANSI code
# page (1252 here), on port 2 of the simulator: the file is created at that
# path holding that name, and a message names the path as it was given.
#   unicode_arguments.sh PROGRAM    (under Wine; the simulator beside PROGRAM)
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "unicode_arguments.sh: $*" >&2
    exit 1
}

name='温度 Küche'
folder=$(winepath -w "$work" 2>/dev/null)
PALLIX400_SIM_PORTS=1,2 PALLIX400_SIM_TEMP_2=-7.5 wine "$program" --port 2 --name "$name" --format json \
    --output "$folder\\温度.json" >"$work/out" 2>"$work/err" || fail "status $?: $(cat "$work/err")"
[ -f "$work/温度.json" ] || fail "no file 温度.json in $work: $(ls "$work")"
grep -q "\"name\":\"$name\",\"raw\":-120,\"celsius\":-7.5,\"simulated\":true}" "$work/温度.json" ||
    fail "the reading names another series: $(cat "$work/温度.json")"
grep -qx 'Port: 2.*' "$work/err" || fail "no 'Port: 2' among: $(cat "$work/err")"

status=0
wine "$program" --output "$folder\\missing\\温度.json" 2>"$work/err" || status=$?
[ "$status" = 2 ] || fail "a missing folder gave status $status"
grep -qF "cannot write '$folder\\missing\\温度.json'" "$work/err" || fail "the message names another file: $(cat "$work/err")"
