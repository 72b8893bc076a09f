#!/usr/bin/env bash
# Startup time and peak memory of PallixExample against a minimal Qt Widgets
# program, both shown on a virtual X screen; in the dev build (build/).
#   scripts/bench-startup.sh [RUNS]     (default 15)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
runs=${1:-15}
build=$(build_dir dev)

build_targets dev PallixExample Pallix400Sim qtprobe startup_reference startup_bench
on_virtual_screen "$build/bin/startup_bench" --runs "$runs" \
    "$build/tools/qtprobe/libqtprobe.so" \
    "$build/bin/startup_reference" \
    "$build/bin/PallixExample"
