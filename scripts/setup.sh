#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages a build needs (only those missing), configures
# the build folder of a CMake preset and builds.
#   scripts/setup.sh program [CMAKE_OPTION...]          the programs and the simulator only, in build/
#   scripts/setup.sh all [PRESET] [CMAKE_OPTION...]     everything: tests and benchmarks too
# PRESET is one of CMakePresets.json's Linux presets (dev, release, asan); dev
# by default. After `setup.sh all`, `cmake --workflow --preset PRESET`
# configures, builds and tests again.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

what=${1:?usage: setup.sh program|all [PRESET] [CMAKE_OPTION...]}
shift
preset=dev
if [ "$what" = all ] && [ $# -gt 0 ] && [[ $1 != -* ]]; then
    preset=$1
    shift
fi

# xdg-utils: the web link opens the maker's site with xdg-open.
program_packages=(g++ cmake ninja-build pkg-config dpkg-dev qt6-base-dev qt6-qpa-plugins libgl-dev
    fonts-dejavu-core xdg-utils)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev python3 xvfb xauth
    desktop-file-utils appstream man-db groff-base file
    dbus-daemon at-spi2-core python3-pyatspi
    prometheus-node-exporter mosquitto mosquitto-clients python3-jinja2 systemd imagemagick)

cd "$root"
case $what in
    program)
        "$root/scripts/install-packages.sh" "${program_packages[@]}"
        # A build folder the tests have used keeps its settings; a new one
        # leaves the tests and benchmarks out.
        if [ ! -f "$(build_dir dev)/CMakeCache.txt" ]; then
            cmake --preset dev -DBUILD_TESTING=OFF -DPALLIX_BENCHMARKS=OFF "$@"
        fi
        cmake --build --preset dev -j"$(nproc)" --target PallixExample pallix-read Pallix400Sim
        ;;
    all)
        "$root/scripts/install-packages.sh" "${program_packages[@]}" "${test_packages[@]}"
        cmake --preset "$preset" -DBUILD_TESTING=ON "$@"
        cmake --build --preset "$preset" -j"$(nproc)"
        ;;
    *)
        echo "usage: setup.sh program|all [PRESET] [CMAKE_OPTION...]" >&2
        exit 2
        ;;
esac
