#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds PallixExample.exe, pallix-read, the simulator DLL, the Windows tests,
# the zip archive and the setup program for 32-bit Windows with mingw-w64 (the
# windows preset, in build-windows/) and runs the tests under Wine, the setup
# program's too, with the Wine settings of the preset's tests (a Wine prefix
# of its own in build-windows/wine; the window's tests in one with Wine's
# null graphics driver: no display needed).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$root"

# Wine's 32-bit half comes from Debian's i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "test-windows.sh: adding Debian's i386 architecture to dpkg, for Wine's 32-bit half (dpkg --add-architecture i386)" >&2
    as_root dpkg --add-architecture i386
fi
# wine64 brings the native wineserver; the preloader reserves Wine's address
# space in one go. Without either, each start of a program takes a minute or
# more where Wine's 32-bit half runs under emulation.
# Xvfb and xdotool show and drive PallixExample.exe as a user would.
scripts/install-packages.sh cmake ninja-build g++-mingw-w64-i686-posix googletest nsis wine wine64 wine32:i386 \
    wine32-preloader:i386 xvfb xauth xdotool python3

# A kernel that runs no 32-bit programs itself (some virtual machines do not)
# can still run Wine's 32-bit half under qemu's user-mode emulation.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    scripts/install-packages.sh qemu-user-static
    if ! mountpoint -q /proc/sys/fs/binfmt_misc; then
        echo "test-windows.sh: mounting the kernel's binfmt_misc file system on /proc/sys/fs/binfmt_misc" >&2
        as_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    fi
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        echo "test-windows.sh: this kernel runs no 32-bit programs: registering the binfmt handler qemu-i386 that runs them under /usr/bin/qemu-i386-static, until the next reboot" >&2
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
            as_root tee /proc/sys/fs/binfmt_misc/register >/dev/null
    fi
fi

cmake --preset windows -DPALLIX_WERROR=ON
CMAKE_BUILD_PARALLEL_LEVEL=$(nproc) cmake --workflow --preset windows
