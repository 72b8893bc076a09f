#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitized/ and runs every test; any report fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PALLIX_SANITIZED_BUILD_DIR:-$root/build-sanitized}
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

PALLIX_BUILD_DIR=$build "$root/scripts/setup.sh" all -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" \
    -DPALLIX_BENCHMARKS=OFF
# The probe is preloaded ahead of the sanitizer's runtime in some tests; the
# suppressions name leaks inside the system's libraries, not the program's.
export ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizer-suppressions.txt:print_suppressions=0
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
