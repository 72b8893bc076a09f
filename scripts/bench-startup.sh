#!/bin/sh
# Startup time and peak memory of PallixExample against a minimal Qt Widgets
# program, both shown on a virtual X screen.
#   scripts/bench-startup.sh [BUILD_DIR [RUNS]]     (defaults: build, 15)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
runs=${2:-15}
case $build in /*) ;; *) build=$root/$build ;; esac
tool=bench-startup
. "$root/scripts/virtual-screen.sh"

build_targets PallixExample Pallix400Sim qtprobe startup_reference startup_bench
on_virtual_screen "$build/bin/startup_bench" --runs "$runs" \
    "$build/tools/qtprobe/libqtprobe.so" \
    "$build/bin/startup_reference" \
    "$build/bin/PallixExample"
