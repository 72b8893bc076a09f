#!/usr/bin/env bash
# Installs the Debian packages PallixExample needs (only those missing) and
# builds it into build/ (or $PALLIX_BUILD_DIR). Extra CMake options may follow.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PALLIX_BUILD_DIR:-$root/build}

packages=(
    g++ make cmake pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-dejavu-core desktop-file-utils
)

"$root/scripts/install-packages.sh" "${packages[@]}"

cmake -S "$root" -B "$build" "$@"
cmake --build "$build" -j"$(nproc)"
