#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time and peak memory of the window against a minimal program of its
# toolkit, both on a virtual X screen. A benchmark: it reports, it asserts
# nothing.
#   scripts/bench-startup.sh [RUNS]            PallixExample against a minimal Qt
#                                              Widgets program (build/)
#   scripts/bench-startup.sh windows [RUNS]    PallixExample.exe against a minimal
#                                              Win32 window of the same size with one
#                                              label and one button, under Wine
#                                              (build-windows/)
# RUNS: 15 by default.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ "${1:-}" = windows ]; then
    runs=${2:-15}
    build=$(build_dir windows)
    wine_environment windows
    build_targets windows PallixExample startup_reference_win32 startup_bench_win32
    on_virtual_screen bash -c 'status=0; wine "$0" --runs "$1" "$2" "$3" || status=$?; wineserver -k; exit $status' \
        "$build/bin/startup_bench_win32.exe" "$runs" \
        "$(winepath -w "$build/bin/startup_reference_win32.exe" 2>/dev/null)" \
        "$(winepath -w "$build/bin/PallixExample.exe" 2>/dev/null)"
    exit 0
fi

runs=${1:-15}
build=$(build_dir dev)
build_targets dev PallixExample Pallix400Sim qtprobe startup_reference startup_bench
on_virtual_screen "$build/bin/startup_bench" --runs "$runs" \
    "$build/tools/qtprobe/libqtprobe.so" \
    "$build/bin/startup_reference" \
    "$build/bin/PallixExample"
