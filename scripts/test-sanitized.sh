#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (the
# asan preset, in build-asan/) and runs every test; any report fails the run.
# The preset's test settings preload the probe ahead of the sanitizer's
# runtime, as some tests do.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$root/scripts/setup.sh" all asan
cd "$root"
CTEST_PARALLEL_LEVEL=$(nproc) cmake --workflow --preset asan
