#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# PallixExample.exe as a user starts it, under Wine on a virtual X screen,
# from a folder of its own: with the adapter's driver beside it, and with only
# the simulator. Alt+R reads; Alt+C and Alt+F4 end it with status 0 and no
# further driver call. The driver's log and the simulator's trace say what
# the program asked of each. Then its version block, as Explorer reads it.
#   program_on_x.sh PROGRAM TEST_DRIVER SIMULATOR VERSION    (run by xvfb-run)
set -euo pipefail
program=$1 driver=$2 simulator=$3 version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run CASE KEY_TO_CLOSE RECORD: starts the copy in $work/CASE, reads once,
# closes it and checks that RECORD grew with the read and not with the close.
run() {
    folder=$work/$1
    wine "$folder/PallixExample.exe" &
    pid=$!
    id=
    for _ in $(seq 100); do
        id=$(xdotool search --name '^PallixExample$' 2>/dev/null | head -n 1) && [ -n "$id" ] && break
        sleep 0.2
    done
    [ -n "$id" ] || { echo "$1: no window"; exit 1; }
    xdotool key --window "$id" alt+r
    # The read is over once the record has stopped growing for a second.
    read_size=0
    for _ in $(seq 20); do
        sleep 1
        size=$(wc -c <"$3" 2>/dev/null || echo 0)
        [ "$size" -gt 0 ] && [ "$size" -eq "$read_size" ] && break
        read_size=$size
    done
    [ "$read_size" -gt 0 ] || { echo "$1: the read reached no driver"; exit 1; }
    xdotool key --window "$id" "$2"
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || { echo "$1: exit status $status"; exit 1; }
    [ "$(wc -c <"$3")" -eq "$read_size" ] || { echo "$1: closing called the driver"; exit 1; }
    echo "$1: read through its driver, closed with $2, exit status 0"
}

mkdir -p "$work/beside/simulator" "$work/simulated/simulator"
cp "$program" "$work/beside/"
cp "$program" "$work/simulated/"
cp "$driver" "$work/beside/Pallix400.dll"
cp "$simulator" "$work/simulated/simulator/Pallix400.dll"
PALLIX_TEST_DRIVER_LOG=$(winepath -w "$work/driver.log") run beside alt+c "$work/driver.log"
PALLIX400_SIM_TRACE=$(winepath -w "$work/trace.txt") run simulated alt+F4 "$work/trace.txt"

python3 - "$program" "$version" <<'PYTHON'
import sys
data = open(sys.argv[1], "rb").read()
for key, value in [("CompanyName", "Miral Elektronik GmbH"), ("FileVersion", sys.argv[2]), ("ProductName", "Pallix")]:
    start = data.find((key + "\0").encode("utf-16-le"))
    assert start >= 0, key
    text = data[start + 2 * len(key) + 2:].decode("utf-16-le", "replace").lstrip("\0").split("\0")[0]
    assert text == value, (key, text)
print(f"version block: CompanyName, FileVersion {sys.argv[2]}, ProductName")
PYTHON
