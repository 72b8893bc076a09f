#!/usr/bin/env bash
# Sets everything up, builds, and starts PallixExample on the simulated adapter.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PALLIX_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
exec "$build/bin/PallixExample"
