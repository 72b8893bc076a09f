#!/usr/bin/env bash
# Installs the Debian packages a build needs (only those missing), configures
# build/ (or $PALLIX_BUILD_DIR) and builds.
#   scripts/setup.sh program [CMAKE_OPTION...]   the programs and the simulator only
#   scripts/setup.sh all [CMAKE_OPTION...]       everything: tests and benchmarks too
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PALLIX_BUILD_DIR:-$root/build}
what=${1:?usage: setup.sh program|all [CMAKE_OPTION...]}
shift

program_packages=(g++ make cmake pkg-config dpkg-dev qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev python3 xvfb xauth
    desktop-file-utils appstream man-db groff-base file)

case $what in
    program)
        "$root/scripts/install-packages.sh" "${program_packages[@]}"
        # A build tree the tests have used keeps its settings; a new one
        # leaves the tests and benchmarks out.
        if [ ! -f "$build/CMakeCache.txt" ]; then
            cmake -S "$root" -B "$build" -DBUILD_TESTING=OFF -DPALLIX_BENCHMARKS=OFF "$@"
        fi
        cmake --build "$build" -j"$(nproc)" --target PallixExample pallix-read Pallix400Sim
        ;;
    all)
        "$root/scripts/install-packages.sh" "${program_packages[@]}" "${test_packages[@]}"
        cmake -S "$root" -B "$build" -DBUILD_TESTING=ON -DPALLIX_BENCHMARKS=ON "$@"
        cmake --build "$build" -j"$(nproc)"
        ;;
    *)
        echo "usage: setup.sh program|all [CMAKE_OPTION...]" >&2
        exit 2
        ;;
esac
