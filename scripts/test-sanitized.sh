#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (the
# asan preset, in build-sanitized/ or $PALLIX_SANITIZED_BUILD_DIR) and runs
# every test; any report fails the run. The preset's test settings preload the
# probe ahead of the sanitizer's runtime, as some tests do.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

PALLIX_BUILD_DIR=${PALLIX_SANITIZED_BUILD_DIR:-} "$root/scripts/setup.sh" all asan
if [ -n "${PALLIX_SANITIZED_BUILD_DIR:-}" ]; then
    ctest --preset asan --test-dir "$PALLIX_SANITIZED_BUILD_DIR" -j"$(nproc)"
else
    ctest --preset asan -j"$(nproc)"
fi
