#!/usr/bin/env bash
# Installs those of the named Debian packages that are not installed yet, as
# root or through sudo.
#   scripts/install-packages.sh PACKAGE...
set -euo pipefail

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
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
# Another install under way (a second build, the system's own updates) is
# waited for rather than failed on.
lock=(-o DPkg::Lock::Timeout=900)
"${sudo[@]}" apt-get "${lock[@]}" update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get "${lock[@]}" install -y -q --no-install-recommends "${missing[@]}"
