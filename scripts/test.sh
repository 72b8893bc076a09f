#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up everything, builds it all with warnings as errors and runs every test:
# the dev preset's workflow (build/), then the Windows one under Wine.
# What it changes on the machine it says in one line each before doing it:
# Debian packages it installs, Debian's i386 architecture (Wine's 32-bit half),
# and, on a kernel that runs no 32-bit programs, a binfmt handler for them.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/setup.sh" all dev -DPALLIX_WERROR=ON
cd "$root"
CTEST_PARALLEL_LEVEL=$(nproc) cmake --workflow --preset dev
"$root/scripts/test-windows.sh"
