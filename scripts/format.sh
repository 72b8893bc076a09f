#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Formats every C and C++ file of the tree with the style in .clang-format, and
# keeps the licence line in every source.
#   scripts/format.sh                  rewrite the files in place
#   scripts/format.sh --check          change nothing; fail if a file is not formatted
#   scripts/format.sh --check-licence  change nothing; fail if a C/C++ source, CMake
#                                      file, shell or Python script lacks the line
#                                      SPDX-License-Identifier: MIT in its first lines
#   scripts/format.sh --add-licence    add that line where it is missing, once:
#                                      "// SPDX-License-Identifier: MIT" and an empty
#                                      line at the top of a C/C++ file (before
#                                      #pragma once); "# SPDX-License-Identifier: MIT"
#                                      as the first line of a CMake file or script,
#                                      or the second after its #! line
# Installs Debian's clang-format first if it is missing.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$root"

spdx="SPDX-License-Identifier: MIT"
# The files that carry the licence line; JSON, data, pictures and the fuzz
# corpus do not.
licensed_files() {
    git ls-files '*.cpp' '*.h' '*.c' '*.h.in' '*CMakeLists.txt' '*.cmake' '*.sh' '*.py'
    # Scripts without an extension, known by their #! line.
    git ls-files ':!tests/fuzz/corpus' | grep -v '\.[A-Za-z0-9]*$' | while read -r file; do
        if [ -f "$file" ] && [ "$(head -c 2 "$file" | tr -d '\0')" = '#!' ]; then
            echo "$file"
        fi
    done
}
has_licence_line() {
    head -n 3 "$1" | grep -q "$spdx"
}

case ${1:-} in
    --check-licence)
        missing=0
        while read -r file; do
            if ! has_licence_line "$file"; then
                echo "$file: no '$spdx' in its first lines" >&2
                missing=$((missing + 1))
            fi
        done < <(licensed_files)
        if [ $missing -ne 0 ]; then
            echo "format.sh: $missing file(s) without the licence line; scripts/format.sh --add-licence adds it" >&2
            exit 1
        fi
        exit 0
        ;;
    --add-licence)
        while read -r file; do
            has_licence_line "$file" && continue
            case $file in
                *.cpp | *.h | *.c | *.h.in) sed -i "1i // $spdx\n" "$file" ;;
                *) if [ "$(head -n 1 "$file" | cut -c 1-2)" = '#!' ]; then
                       sed -i "1a # $spdx" "$file"
                   else
                       sed -i "1i # $spdx" "$file"
                   fi ;;
            esac
            echo "format.sh: added the licence line to $file"
        done < <(licensed_files)
        exit 0
        ;;
esac

if ! command -v clang-format >/dev/null 2>&1; then
    "$root/scripts/install-packages.sh" clang-format
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
    clang-format --dry-run -Werror "${files[@]}"
else
    clang-format -i "${files[@]}"
fi
