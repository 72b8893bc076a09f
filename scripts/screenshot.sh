#!/bin/sh
# Shows PallixExample on a virtual X screen, presses Read once (simulated
# driver at 23.5 degrees) and saves the window as docs/screenshot.png.
#   scripts/screenshot.sh [BUILD_DIR]     (default: build)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
out=$root/docs/screenshot.png

if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "screenshot: xvfb-run is missing (Debian package xvfb)" >&2
    exit 1
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
if ! cmake --build "$build" -j2 --target PallixExample Pallix400Sim qtprobe; then
    echo "screenshot: building the program, the simulated driver or the probe failed" >&2
    exit 1
fi

mkdir -p "$root/docs"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 640x480x24" \
    env LD_PRELOAD="$build/tools/qtprobe/libqtprobe.so" QTPROBE_ACTION=screenshot QTPROBE_CLICK=1 \
    QTPROBE_OUT="$out" PALLIX400_SIM_TEMP=23.5 "$build/ui/PallixExample"
echo "screenshot: wrote $out"
