#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Debian package from the dev build (build/, after scripts/test.sh),
# checks it with lintian (no error and no warning pass), then installs it on
# this machine as a user does, runs it and purges it
# (tests/packaging/deb_test.sh). Installs and removes packages system-wide:
# CI runs it, as root.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(build_dir dev)

"$root/scripts/install-packages.sh" dpkg-dev file lintian xvfb xauth man-db desktop-file-utils
cmake --build "$build" -j"$(nproc)" --target package
deb=$build/pallixexample_$(cat "$build/version.txt")_$(dpkg --print-architecture).deb
dpkg-deb --info "$deb" | grep -E '^ (Depends|Installed-Size):'
lintian --display-info --fail-on error,warning "$deb"
"$root/tests/packaging/deb_test.sh" "$deb" "$build/tools/qtprobe/libqtprobe.so" \
    "$build/tests/support/test_driver/libPallix400.so"
