#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shows a Windows program under Wine on a virtual X screen, in a Wine desktop
# that draws the title bar, and saves its window:
#   scripts/screenshot-windows.sh          PallixExample.exe after one press of
#                                          Read (simulated driver at 23.5
#                                          degrees): docs/screenshot-windows.png
#   scripts/screenshot-windows.sh setup    the setup program's licence page:
#                                          docs/screenshot-windows-setup.png
# Builds build-windows/ (the windows preset) first if needed; Wine runs with
# the settings of that preset's tests.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
what=${1:-window}
build=$(build_dir windows)
wine_environment windows
"$root/scripts/install-packages.sh" xvfb xauth xdotool imagemagick

shot=$(mktemp -d)
trap 'rm -rf "$shot"' EXIT
case $what in
    window)
        build_targets windows PallixExample Pallix400Sim
        out=$root/docs/screenshot-windows.png
        program=$build/bin/PallixExample.exe
        title='^PallixExample$'
        # Read once, then close the window.
        keys=(alt+r) after=3 close=(alt+c) width=560
        ;;
    setup)
        build_targets windows windows-installer
        out=$root/docs/screenshot-windows-setup.png
        program=$build/PallixExample-$(cat "$build/version.txt")-setup.exe
        title='^PallixExample .* Setup$'
        # Next from the welcome page to the licence; then Cancel, and Yes to
        # leave the setup.
        keys=(Return) after=2 close=(Escape sleep 1 key Return) width=680
        ;;
    *)
        echo "usage: screenshot-windows.sh [window|setup]" >&2
        exit 2
        ;;
esac

cat >"$shot/show.sh" <<SCRIPT
set -euo pipefail
PALLIX400_SIM_TEMP=23.5 wine explorer /desktop=shot,${width}x520 "$program" &
for _ in \$(seq 100); do
    xdotool search --name '$title' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 2
desktop=\$(xdotool search --name 'shot - Wine desktop' | head -n 1)
xdotool windowfocus "\$desktop" 2>/dev/null || true
xdotool key ${keys[*]}
sleep $after
import -window root "$shot/screen.png"
xdotool key ${close[*]}
wait || true
SCRIPT
xvfb-run -a -s "-screen 0 $((width + 80))x560x24" bash "$shot/show.sh"
mkdir -p "$root/docs"
# The window alone: the desktop's background around it cut away.
background=$(convert "$shot/screen.png" -format "%[pixel:p{$((width - 5)),515}]" info:)
convert "$shot/screen.png" -crop ${width}x520+0+0 +repage -bordercolor "$background" -border 1 -trim +repage "$out"
echo "screenshot-windows: wrote $out"
