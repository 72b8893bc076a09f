#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the read command's fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer; the fuzz preset, in build-fuzz/) and runs it for
# SECONDS from the seed corpus in tests/fuzz/corpus; new inputs go to a
# scratch copy.
#   scripts/fuzz.sh [SECONDS]     (default 60)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(build_dir fuzz)
seconds=${1:-60}

"$root/scripts/install-packages.sh" clang libclang-rt-14-dev cmake ninja-build qt6-base-dev libgl-dev
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$root"/tests/fuzz/corpus/* "$corpus"/
"$build/bin/read_command_fuzz" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/" "$corpus" 2>&1 |
    grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|stat::|ERROR|SUMMARY|read command fuzz' || true
test "${PIPESTATUS[0]}" -eq 0
