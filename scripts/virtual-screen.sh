# Shared by the scripts that show the window on a virtual X screen; sourced,
# with $root, $build and $tool set by the caller.

# Configures the build directory if needed and builds the named targets.
build_targets() {
    if ! command -v xvfb-run >/dev/null 2>&1; then
        echo "$tool: xvfb-run is missing (Debian package xvfb)" >&2
        exit 1
    fi
    if [ ! -f "$build/CMakeCache.txt" ]; then
        PALLIX_BUILD_DIR=$build "$root/scripts/setup.sh" all
    fi
    if ! cmake --build "$build" -j2 --target "$@"; then
        echo "$tool: building $* failed" >&2
        exit 1
    fi
}

# Runs a command on a fresh virtual X screen with a private runtime directory.
on_virtual_screen() {
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    status=0
    XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 640x480x24" "$@" || status=$?
    rm -rf "$runtime"
    return $status
}
