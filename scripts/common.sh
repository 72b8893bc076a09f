# SPDX-License-Identifier: MIT
# What every shell script of the project shares; each starts with
#   #!/usr/bin/env bash
#   set -euo pipefail
#   source "$(dirname "${BASH_SOURCE[0]}")/<to scripts>/common.sh"
# and takes its parallelism from nproc. This gives:
#   root                       the project's folder
#   build_dir PRESET           the build folder of a CMake preset, as
#                              CMakePresets.json names it: build/ for dev,
#                              build-PRESET/ for every other
#   as_root COMMAND...         COMMAND as root: itself when root, else through sudo
#   wine_environment PRESET    exports the Wine settings of the preset's tests
#                              (CMakePresets.json), for Wine started by a script
#   build_targets PRESET TARGET...   configures the preset's folder if needed, builds the targets
#   on_virtual_screen COMMAND...     COMMAND on a fresh virtual X screen (xvfb-run)

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

build_dir() {
    if [ "$1" = dev ]; then
        echo "$root/build"
    else
        echo "$root/build-$1"
    fi
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

wine_environment() {
    local settings
    settings=$(python3 - "$root/CMakePresets.json" "$1" "$root" <<'PYTHON'
import json, shlex, sys
presets = {preset["name"]: preset for preset in json.load(open(sys.argv[1]))["testPresets"]}
def environment(name):
    preset, settings = presets[name], {}
    parents = preset.get("inherits", [])
    for parent in reversed([parents] if isinstance(parents, str) else parents):
        settings.update(environment(parent))
    settings.update(preset.get("environment", {}))
    return settings
for name, value in environment(sys.argv[2]).items():
    value = value.replace("${sourceDir}", sys.argv[3]).replace("${presetName}", sys.argv[2])
    print(f"export {name}={shlex.quote(value)}")
PYTHON
    )
    eval "$settings"
}

build_targets() {
    local preset=$1
    shift
    if [ -f "$(build_dir "$preset")/CMakeCache.txt" ]; then
        :
    elif [[ $preset == windows* ]]; then
        (cd "$root" && cmake --preset "$preset")
    else
        "$root/scripts/setup.sh" all "$preset"
    fi
    cmake --build "$(build_dir "$preset")" -j"$(nproc)" --target "$@"
}

on_virtual_screen() {
    if ! command -v xvfb-run >/dev/null 2>&1; then
        echo "$(basename "$0"): xvfb-run is missing (Debian package xvfb)" >&2
        return 1
    fi
    local runtime status=0
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 640x480x24" "$@" || status=$?
    rm -rf "$runtime"
    return $status
}
