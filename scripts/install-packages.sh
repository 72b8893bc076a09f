#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs those of the named Debian packages that are not installed yet, as
# root or through sudo.
#   scripts/install-packages.sh PACKAGE...
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

missing=()
for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "install-packages.sh: installing Debian packages with apt-get: ${missing[*]}" >&2
# Another install under way (a second build, the system's own updates) is
# waited for rather than failed on.
lock=(-o DPkg::Lock::Timeout=900)
as_root apt-get "${lock[@]}" update -q
as_root env DEBIAN_FRONTEND=noninteractive apt-get "${lock[@]}" install -y -q --no-install-recommends "${missing[@]}"
