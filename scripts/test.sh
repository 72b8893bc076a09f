#!/usr/bin/env bash
# Sets up everything, builds it all with warnings as errors and runs every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PALLIX_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh" all -DPALLIX_WERROR=ON
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
"$root/scripts/test-windows.sh"
