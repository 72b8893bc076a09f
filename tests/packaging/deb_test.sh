#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian package as a user does (apt-get install ./…deb), checks
# the installed programs, manual page, desktop entry and that a driver
# installed by another package wins over the package's simulator; then purges
# it and checks that nothing of it remains. Changes the system: run it as root
# (CI does) on a machine where the package is not otherwise wanted.
#   deb_test.sh PACKAGE.deb QTPROBE_LIBRARY STAND_IN_DRIVER
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: deb_test.sh PACKAGE.deb QTPROBE_LIBRARY STAND_IN_DRIVER" >&2
    exit 2
fi
deb=$(realpath "$1")
probe=$(realpath "$2")
stand_in_driver=$(realpath "$3")
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
apt() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 -y -q "$@" >"$scratch/apt.log" 2>&1 ||
        { cat "$scratch/apt.log" >&2; return 1; }
}
installed() {
    dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null | grep -qx installed
}
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
simulator=/usr/lib/$multiarch/pallixexample/libPallix400.so
stand_in=pallix400-driver-stand-in

scratch=$(mktemp -d "${TMPDIR:-/tmp}/pallix-deb.XXXXXX") || exit 1
chmod 755 "$scratch" # apt reads the package as its own unprivileged user
cleanup() {
    for package in $stand_in pallixexample; do
        ! installed $package || apt purge $package
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
if installed pallixexample; then
    echo "pallixexample is installed already; purging it first"
    apt purge pallixexample || exit 1
fi
cp "$deb" "$scratch/"
# Which of the package's paths exist before it is installed (directories such
# as /usr/bin): after the purge, none of the others may remain.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^/*$' >"$scratch/paths.txt"
while read -r path; do
    [ ! -e "$path" ] || echo "$path"
done <"$scratch/paths.txt" >"$scratch/existing.txt"

# Installed with its dependencies, as on a machine that has only the basics.
apt install --no-install-recommends "$scratch/$(basename "$deb")" || {
    echo "FAIL: apt-get install ./$(basename "$deb") failed" >&2
    exit 1
}
installed pallixexample || { echo "FAIL: pallixexample is not installed after apt-get install" >&2; exit 1; }
# The files on disk are the ones the package's checksums describe.
verified=$(dpkg --verify pallixexample 2>&1) || true
[ -z "$verified" ] || fail "dpkg --verify pallixexample: $verified"

for program in PallixExample pallix-read; do
    [ "$(command -v $program)" = /usr/bin/$program ] || fail "$program is not found as /usr/bin/$program"
done
[ -f "$simulator" ] || fail "the simulator is not installed as $simulator"

# pallix-read, then the window (on a virtual screen, through Qt's platform
# plugin as on a desktop), each against the simulator: one reading.
reading=$(env -u LD_LIBRARY_PATH PALLIX400_SIM_TEMP=21.5 pallix-read 2>"$scratch/read.err") || true
[ "$reading" = "21.5 °C" ] && [ "$(head -n 1 "$scratch/read.err")" = "Simulated adapter: no libPallix400.so is installed" ] ||
    fail "the installed pallix-read printed '$reading' and '$(cat "$scratch/read.err")'"

# One press of Read in the installed window; the report's lines are the
# temperature, the status log, and driver=<the library loaded>.
press_read() {
    rm -f "$scratch/probe.txt"
    timeout 60 xvfb-run -a env -u LD_LIBRARY_PATH -u QT_QPA_PLATFORM LD_PRELOAD="$probe" QTPROBE_ACTION=read \
        QTPROBE_OUT="$scratch/probe.txt" PALLIX400_SIM_TEMP=21.5 PallixExample >"$scratch/window.log" 2>&1 &&
        [ -s "$scratch/probe.txt" ] || { cat "$scratch/window.log" >&2; return 1; }
}
if press_read; then
    [ "$(sed -n 's/^driver=//p' "$scratch/probe.txt")" = "$simulator" ] &&
        grep -qx "Simulated adapter: no libPallix400.so is installed" "$scratch/probe.txt" &&
        grep -qx "Port: 1" "$scratch/probe.txt" && [ "$(head -n 1 "$scratch/probe.txt")" = 21.5 ] ||
        fail "the installed window did not read the simulator: $(tr '\n' '|' <"$scratch/probe.txt")"
else
    fail "the installed PallixExample did not start and read"
fi

# The manual pages and the desktop entry, found where a user's tools look.
for page in pallix-read PallixExample; do
    [ "$(man -w $page 2>/dev/null)" = /usr/share/man/man1/$page.1.gz ] || fail "man -w $page: '$(man -w $page 2>&1)'"
done
manual=$(man pallix-read 2>/dev/null | tr -s " ") || true
grep -q "read an SPI temperature sensor" <<<"$manual" || fail "man pallix-read shows no page"
id=example.miral.PallixExample
entry=""
IFS=: read -ra data_dirs <<<"${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
for dir in "${data_dirs[@]}"; do
    if [ -f "$dir/applications/$id.desktop" ]; then
        entry=$dir/applications/$id.desktop
        break
    fi
done
if [ "$entry" = /usr/share/applications/$id.desktop ]; then
    desktop-file-validate "$entry" >&2 || fail "desktop-file-validate rejects $entry"
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [ "$(command -v "$exec_program")" = /usr/bin/PallixExample ] || fail "the desktop entry starts '$exec_program'"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    ls /usr/share/icons/hicolor/*/apps/"$icon".png >/dev/null 2>&1 || fail "the desktop entry's icon '$icon' is not installed"
else
    fail "the desktop entry $id.desktop is not found on the data path (found '$entry')"
fi
# Services come with the package but are not started or enabled by it.
for unit in $(grep -E '/systemd/system/[^/]+\.(service|timer|socket)$' "$scratch/paths.txt"); do
    if find /etc/systemd/system -lname "*/$(basename "$unit")" 2>/dev/null | grep -q .; then
        fail "installing enabled $(basename "$unit")"
    fi
done

# A driver that another package installs in the system's library path is
# found before the package's simulator, by the loader's own search.
mkdir -p "$scratch/stand-in/DEBIAN" "$scratch/stand-in/usr/lib/$multiarch"
install -m 644 "$stand_in_driver" "$scratch/stand-in/usr/lib/$multiarch/libPallix400.so"
cat >"$scratch/stand-in/DEBIAN/control" <<EOF
Package: $stand_in
Version: 1.0
Architecture: $(dpkg --print-architecture)
Maintainer: PallixExample tests <tests@miral.example>
Description: stand-in for the Pallix400 adapter's driver library
EOF
echo "activate-noawait ldconfig" >"$scratch/stand-in/DEBIAN/triggers"
dpkg-deb --root-owner-group -b "$scratch/stand-in" "$scratch/stand-in.deb" >/dev/null || exit 1
if apt install "$scratch/stand-in.deb"; then
    reading=$(env -u LD_LIBRARY_PATH pallix-read 2>"$scratch/read.err") || true
    [ "$reading" = "25 °C" ] && [ "$(cat "$scratch/read.err")" = "Port: 1" ] ||
        fail "with a driver installed, pallix-read printed '$reading' and '$(cat "$scratch/read.err")'"
    if press_read; then
        [ "$(sed -n 's/^driver=//p' "$scratch/probe.txt")" = "/usr/lib/$multiarch/libPallix400.so" ] ||
            fail "with a driver installed, the window used $(sed -n 's/^driver=//p' "$scratch/probe.txt")"
    else
        fail "the installed PallixExample did not start and read with a driver installed"
    fi
    apt purge $stand_in || fail "the stand-in driver's package could not be purged"
else
    fail "the stand-in driver's package could not be installed"
fi

apt purge pallixexample || fail "apt-get purge pallixexample failed"
! installed pallixexample || fail "pallixexample is still installed after the purge"
dpkg-query -W -f='${db:Status-Status}' pallixexample 2>/dev/null | grep -q . &&
    fail "dpkg still knows pallixexample after the purge: $(dpkg-query -W -f='${db:Status-Status}' pallixexample)"
while read -r path; do
    if [ -e "$path" ] && ! grep -qxF "$path" "$scratch/existing.txt"; then
        fail "$path remains after the purge"
    fi
done <"$scratch/paths.txt"
if ls /var/lib/dpkg/info/pallixexample.* >/dev/null 2>&1; then
    fail "dpkg's records of pallixexample remain"
fi

if [ $failures -ne 0 ]; then
    echo "$failures check(s) of the Debian package failed" >&2
    exit 1
fi
echo "$(basename "$deb"): installed, ran from /usr/bin, yielded to an installed driver, purged without a trace"
