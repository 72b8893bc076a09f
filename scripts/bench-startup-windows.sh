#!/bin/sh
# Start-up time and peak working set of PallixExample.exe against a minimal
# Win32 window of the same size with one label and one button, both under
# Wine on a virtual X screen. A benchmark: it reports, it asserts nothing.
#   scripts/bench-startup-windows.sh [BUILD_DIR [RUNS]]     (defaults: build-windows, 15)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-windows}
runs=${2:-15}
case $build in /*) ;; *) build=$root/$build ;; esac
export WINEPREFIX=${WINEPREFIX:-$HOME/.cache/pallixexample/wine}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" LC_ALL=C.UTF-8
"$root/scripts/install-packages.sh" xvfb xauth

cmake --build "$build" --target PallixExample startup_reference_win32 startup_bench_win32
xvfb-run -a -s "-screen 0 640x480x24" sh -c 'wine "$0" --runs "$1" "$2" "$3"; status=$?; wineserver -k; exit $status' \
    "$build/bin/startup_bench_win32.exe" "$runs" \
    "$(winepath -w "$build/bin/startup_reference_win32.exe" 2>/dev/null)" \
    "$(winepath -w "$build/bin/PallixExample.exe" 2>/dev/null)"
