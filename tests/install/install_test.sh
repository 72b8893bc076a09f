#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix, checks the installed files, and
# starts the installed program with the qtprobe library preloaded: one press
# of Read must load the driver installed beside it and open port 1.
#   install_test.sh BUILD_DIR SOURCE_DIR QTPROBE_LIBRARY
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: install_test.sh BUILD_DIR SOURCE_DIR QTPROBE_LIBRARY" >&2
    exit 1
fi
build=$(realpath "$1")
source=$(realpath "$2")
probe=$3
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

prefix=$(mktemp -d "${TMPDIR:-/tmp}/pallix-install.XXXXXX") || exit 1
prefix=$(realpath "$prefix")
trap 'rm -rf "$prefix"' EXIT

cache_value() {
    value=$(sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt")
    echo "${value:-$2}"
}
bindir=$(cache_value CMAKE_INSTALL_BINDIR bin)
libdir=$(cache_value CMAKE_INSTALL_LIBDIR lib)
datadir=$(cache_value CMAKE_INSTALL_DATAROOTDIR share)

if ! cmake --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1; then
    cat "$prefix/install.log" >&2
    echo "FAIL: cmake --install $build --prefix $prefix failed" >&2
    exit 1
fi

program=$prefix/$bindir/PallixExample
driver=$prefix/$libdir/pallixexample/libPallix400.so

[ -x "$program" ] || fail "$bindir/PallixExample is not installed as an executable"
[ -f "$driver" ] || fail "$libdir/pallixexample/libPallix400.so is not installed"

id=example.miral.PallixExample
desktop=$prefix/$datadir/applications/$id.desktop
metainfo=$prefix/$datadir/metainfo/$id.metainfo.xml

# A desktop entry key must have exactly this value.
desktop_key() {
    grep -qx "$1=$2" "$desktop" || fail "$id.desktop lacks the line '$1=$2'"
}
if [ -f "$desktop" ]; then
    desktop_key Name PallixExample
    desktop_key Comment "SPI with Pallix400"
    desktop_key Icon $id
    desktop-file-validate "$desktop" >&2 || fail "desktop-file-validate rejects $id.desktop"
else
    fail "$datadir/applications/$id.desktop is not installed"
fi
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" >&2 || fail "appstreamcli rejects $id.metainfo.xml"
else
    fail "$datadir/metainfo/$id.metainfo.xml is not installed"
fi
for page in PallixExample.1 pallix-read.1; do
    manual=$prefix/$datadir/man/man1/$page
    if [ -f "$manual" ]; then
        warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null) ||
            fail "man cannot format $page"
        [ -z "$warnings" ] || fail "man warns about $page: $warnings"
    else
        fail "$datadir/man/man1/$page is not installed"
    fi
done
if [ -x "$prefix/$bindir/pallix-read" ]; then
    reading=$(env -u LD_LIBRARY_PATH PALLIX400_SIM_TEMP=25 "$prefix/$bindir/pallix-read" 2>"$prefix/read.log") || true
    [ "$reading" = "25 °C" ] && [ "$(head -n 1 "$prefix/read.log")" = "Simulated adapter: no libPallix400.so is installed" ] ||
        fail "the installed pallix-read printed '$reading' and '$(cat "$prefix/read.log")'"
else
    fail "$bindir/pallix-read is not installed as an executable"
fi
completion=$prefix/$datadir/bash-completion/completions/pallix-read
if [ -f "$completion" ]; then
    offered=$(bash -c 'source "$1"; COMP_WORDS=(pallix-read --format j); COMP_CWORD=2; _pallix_read; echo "${COMPREPLY[*]}"' \
        sh "$completion") || true
    [ "$offered" = json ] || fail "the bash completion offers '$offered' for '--format j'"
else
    fail "$datadir/bash-completion/completions/pallix-read is not installed"
fi

# Width and height from a PNG's header, as "WxH".
png_size() {
    [ "$(od -An -tx1 -j1 -N3 "$1" | tr -d ' \n')" = 504e47 ] || return 1
    w=$(od -An -tu1 -j16 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    h=$(od -An -tu1 -j20 -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    echo "${w}x$h"
}
for size in 16x16 32x32 48x48 64x64 128x128 256x256; do
    icon=$prefix/$datadir/icons/hicolor/$size/apps/$id.png
    if [ ! -f "$icon" ]; then
        fail "the $size icon $datadir/icons/hicolor/$size/apps/$id.png is not installed"
    elif [ "$(png_size "$icon")" != "$size" ]; then
        fail "the $size icon is not a $size PNG (found: $(png_size "$icon" || echo 'not a PNG'))"
    fi
done

# No program or library carries a RUNPATH or RPATH element that is empty or
# relative (the loader reads those against the current directory) or that
# names a directory holding a driver: the driver comes from the loader's
# standard search only.
find "$build" "$prefix" -type f \( -perm -u+x -o -name '*.so*' \) | while read -r file; do
    [ "$(head -c 4 "$file" | tail -c 3)" = ELF ] || continue
    { readelf -d "$file" 2>/dev/null || true; } | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]/\2/p' | tr ':' '\n' |
        while IFS= read -r element; do
            case $element in
                /* | '$ORIGIN'*) [ ! -e "${element/\$ORIGIN/$(dirname "$file")}/libPallix400.so" ] ||
                    echo "$file: its search path names a driver directory, $element" ;;
                *) echo "$file: its search path has an empty or relative element '$element'" ;;
            esac
        done
done >"$prefix/search-paths.txt"
if [ -s "$prefix/search-paths.txt" ]; then
    fail "$(cat "$prefix/search-paths.txt")"
fi

if [ -x "$program" ]; then
    out=$prefix/probe.txt
    status=0
    timeout 60 env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" \
        QTPROBE_ACTION=read QTPROBE_OUT="$out" "$program" || status=$?
    if [ $status -ne 0 ] || [ ! -s "$out" ]; then
        fail "the installed program ended with status $status and the probe reported nothing"
    else
        echo "--- what the window showed after one press of Read:"
        cat "$out"
        echo "---"
        found=$(sed -n 's/^driver=//p' "$out")
        case $found in
            "$prefix"/*) ;;
            *) fail "the installed program loaded the driver '$found', not one inside $prefix" ;;
        esac
        grep -q "^Simulated adapter: no libPallix400.so is installed$" "$out" ||
            fail "the status box does not say that the simulated adapter is in use"
        grep -q "Port: 1" "$out" || fail "the status box does not show 'Port: 1'"
        temperature=$(head -n 1 "$out")
        echo "$temperature" | grep -Eqx -- '-?[0-9]+([.,][0-9]+)?' ||
            fail "the temperature box shows '$temperature', not a number"
    fi
fi

if [ $failures -ne 0 ]; then
    echo "$failures check(s) of the installed program failed" >&2
    exit 1
fi
echo "installed program in $prefix found its driver and read a temperature"
