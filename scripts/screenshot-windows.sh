#!/bin/sh
# Shows PallixExample.exe under Wine on a virtual X screen, in a Wine desktop
# that draws the title bar, presses Read once (simulated driver at 23.5
# degrees) and saves the window as docs/screenshot-windows.png.
#   scripts/screenshot-windows.sh       (builds build-windows/ first if needed)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/docs/screenshot-windows.png
export WINEPREFIX=${WINEPREFIX:-$HOME/.cache/pallixexample/wine}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" LC_ALL=C.UTF-8
"$root/scripts/install-packages.sh" xvfb xauth xdotool imagemagick
if [ ! -f "$root/build-windows/bin/PallixExample.exe" ]; then
    (cd "$root" && cmake --preset windows && cmake --build --preset windows --target PallixExample Pallix400Sim)
fi

shot=$(mktemp -d)
trap 'rm -rf "$shot"' EXIT
cat >"$shot/show.sh" <<SCRIPT
PALLIX400_SIM_TEMP=23.5 wine explorer /desktop=shot,560x520 "$root/build-windows/bin/PallixExample.exe" &
for _ in \$(seq 100); do
    xdotool search --name '^PallixExample\$' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 2
desktop=\$(xdotool search --name 'shot - Wine desktop' | head -n 1)
xdotool windowfocus "\$desktop" 2>/dev/null || true
xdotool key alt+r
sleep 3
import -window root "$shot/screen.png"
xdotool key alt+c
wait || true
SCRIPT
xvfb-run -a -s "-screen 0 640x560x24" sh "$shot/show.sh"
mkdir -p "$root/docs"
# The window alone: the desktop's background around it cut away.
background=$(convert "$shot/screen.png" -format '%[pixel:p{555,515}]' info:)
convert "$shot/screen.png" -crop 560x520+0+0 +repage -bordercolor "$background" -border 1 -trim +repage "$out"
echo "screenshot-windows: wrote $out"
