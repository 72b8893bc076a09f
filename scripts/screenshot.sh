#!/bin/sh
# Shows PallixExample on a virtual X screen, presses Read once (simulated
# driver at 23.5 degrees) and saves the window as docs/screenshot.png.
#   scripts/screenshot.sh [BUILD_DIR]     (default: build)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
case $build in /*) ;; *) build=$root/$build ;; esac
tool=screenshot
out=$root/docs/screenshot.png
. "$root/scripts/virtual-screen.sh"

build_targets PallixExample Pallix400Sim qtprobe
mkdir -p "$root/docs"
on_virtual_screen env LD_PRELOAD="$build/tools/qtprobe/libqtprobe.so" QTPROBE_ACTION=screenshot QTPROBE_CLICK=1 \
    QTPROBE_OUT="$out" PALLIX400_SIM_TEMP=23.5 "$build/bin/PallixExample"
echo "screenshot: wrote $out"
