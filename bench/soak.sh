#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# 100,000 read cycles through the simulated driver and 1,000 presses of Read in
# the window (offscreen), the wait replaced, in the sanitized build: no leak
# (LeakSanitizer checks at the end) and the resident memory before and after;
# in the asan preset's build (build-asan/).
#   bench/soak.sh [CYCLES [PRESSES]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
build=$(build_dir asan)
[ -f "$build/CMakeCache.txt" ] || "$root/scripts/test-sanitized.sh"
(cd "$root" && cmake --preset asan -DPALLIX_BENCHMARKS=ON >/dev/null)
cmake --build "$build" -j"$(nproc)" --target soak Pallix400Sim
# Without the quarantine, freed memory is reused at once, as without the
# sanitizer, so that the resident memory means what it says.
ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=0 QT_QPA_PLATFORM=offscreen PALLIX400_SIM_TEMP=21.5 \
    env -u LD_LIBRARY_PATH "$build/bin/soak" "$@"
echo "soak: no leak reported"
