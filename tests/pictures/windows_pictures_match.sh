#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Win32 window's BMP and ICO files hold the same pixels as the Qt
# window's PNG files, transparency included, so both windows show the same.
#   windows_pictures_match.sh PNG_DIRECTORY WINDOWS_DIRECTORY
set -euo pipefail
png=$1 windows=$2
same() {
    size=$(identify -format '%wx%h' "$1")
    # The count of pixels that differ in colour or transparency, or an error.
    differing=$(compare -metric AE "$1" "$2" null: 2>&1) || true
    if [ "$size" != "$(identify -format '%wx%h' "$2")" ] || [ "$differing" != 0 ]; then
        echo "$2 holds other pixels than $1 ($differing)"
        exit 1
    fi
    echo "$2: the pixels of $1 ($size)"
}
same "$png/adapter.png" "$windows/adapter.bmp"
same "$png/logo.png" "$windows/logo.bmp"
same "$png/icon-16.png" "$windows/icon.ico[0]"
same "$png/icon-32.png" "$windows/icon.ico[1]"
