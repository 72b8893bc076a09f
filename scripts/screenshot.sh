#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shows PallixExample on a virtual X screen, presses Read once (simulated
# driver at 23.5 degrees) and saves the window as docs/screenshot.png; in the
# dev build (build/).
#   scripts/screenshot.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(build_dir dev)
out=$root/docs/screenshot.png

build_targets dev PallixExample Pallix400Sim qtprobe
mkdir -p "$root/docs"
on_virtual_screen env LD_PRELOAD="$build/tools/qtprobe/libqtprobe.so" QTPROBE_ACTION=screenshot QTPROBE_CLICK=1 \
    QTPROBE_OUT="$out" PALLIX400_SIM_TEMP=23.5 "$build/bin/PallixExample"
echo "screenshot: wrote $out"
