#!/usr/bin/env bash
# Formats every C and C++ file of the tree with the style in .clang-format.
#   scripts/format.sh            rewrite the files in place
#   scripts/format.sh --check    change nothing; fail if a file is not formatted
# Installs Debian's clang-format first if it is missing.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

if ! command -v clang-format >/dev/null 2>&1; then
    "$root/scripts/install-packages.sh" clang-format
fi

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
    clang-format --dry-run -Werror "${files[@]}"
else
    clang-format -i "${files[@]}"
fi
