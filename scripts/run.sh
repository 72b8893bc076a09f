#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up what the program needs, builds it and starts it; without an adapter
# driver installed it runs on the simulated adapter. On a machine without a
# desktop it starts on a virtual screen (xvfb-run), where it is not seen.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(build_dir dev)

"$root/scripts/setup.sh" program
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no desktop (DISPLAY and WAYLAND_DISPLAY are unset): starting on a virtual screen" >&2
    "$root/scripts/install-packages.sh" xvfb xauth
    exec xvfb-run -a "$build/bin/PallixExample" "$@"
fi
exec "$build/bin/PallixExample" "$@"
