#!/usr/bin/env bash
# Makes the Debian package from build/ (after scripts/test.sh), checks it with
# lintian (no error and no warning pass), then installs it on this machine as
# a user does, runs it and purges it (tests/packaging/deb_test.sh). Installs
# and removes packages system-wide: CI runs it, as root.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PALLIX_BUILD_DIR:-$root/build}

"$root/scripts/install-packages.sh" dpkg-dev file lintian xvfb xauth man-db desktop-file-utils
cmake --build "$build" -j"$(nproc)" --target package
deb=$build/pallixexample_1.00_amd64.deb
dpkg-deb --info "$deb" | grep -E '^ (Depends|Installed-Size):'
lintian --display-info --fail-on error,warning "$deb"
"$root/tests/packaging/deb_test.sh" "$deb" "$build/tools/qtprobe/libqtprobe.so" \
    "$build/tests/support/test_driver/libPallix400.so"
