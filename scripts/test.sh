#!/usr/bin/env bash
# Sets up everything, builds it all with warnings as errors and runs every test.
# What it changes on the machine it says in one line each before doing it:
# Debian packages it installs, Debian's i386 architecture (Wine's 32-bit half),
# and, on a kernel that runs no 32-bit programs, a binfmt handler for them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The dev preset's build/, or $PALLIX_BUILD_DIR.
"$root/scripts/setup.sh" all -DPALLIX_WERROR=ON
cd "$root"
if [ -n "${PALLIX_BUILD_DIR:-}" ]; then
    ctest --preset dev --test-dir "$PALLIX_BUILD_DIR" -j"$(nproc)"
else
    ctest --preset dev -j"$(nproc)"
fi
"$root/scripts/test-windows.sh"
