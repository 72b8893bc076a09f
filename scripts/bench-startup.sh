#!/bin/sh
# Startup time and peak memory of PallixExample against a minimal Qt Widgets
# program, both shown on a virtual X screen.
#   scripts/bench-startup.sh [BUILD_DIR [RUNS]]     (defaults: build, 15)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
runs=${2:-15}
case $build in /*) ;; *) build=$root/$build ;; esac

if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "bench-startup: xvfb-run is missing (Debian package xvfb)" >&2
    exit 1
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
if ! cmake --build "$build" -j2 --target PallixExample Pallix400Sim qtprobe startup_reference startup_bench; then
    echo "bench-startup: building the program, the probe or the benchmark failed" >&2
    exit 1
fi

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 640x480x24" \
    "$build/bench/startup/startup_bench" --runs "$runs" \
    "$build/tools/qtprobe/libqtprobe.so" \
    "$build/bench/startup/startup_reference" \
    "$build/ui/PallixExample"
