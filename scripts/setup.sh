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

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" "$@"
cmake --build "$build" -j"$(nproc)"
