#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the Windows setup program under Wine as an administrator's script does:
# silently (/S) into Program Files, then into a folder of one's own (/D=).
# Checks the installed files against the staged ones, the Start-menu shortcut,
# the Uninstall key, that the installed pallix-read.exe reads the simulator and
# then the adapter's DLL put beside it as README.txt says, and that the silent
# uninstall removes all the setup wrote but that DLL.
#   installer_test.sh SETUP.exe STAGED_FOLDER STAND_IN_DLL VERSION
# Uses Wine as the caller set it up (WINEPREFIX, WINEDEBUG, ...).
set -euo pipefail

if [ $# -ne 4 ]; then
    echo "usage: installer_test.sh SETUP.exe STAGED_FOLDER STAND_IN_DLL VERSION" >&2
    exit 2
fi
setup=$(realpath "$1")
stage=$(realpath "$2")
stand_in=$(realpath "$3")
version=$4
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\PallixExample'
# One value of the Uninstall key as a 32-bit program sees it, as the setup
# program wrote it; empty when there is none.
key_value() {
    { wine reg query "$key" /v "$1" /reg:32 2>/dev/null || true; } | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
key_exists() {
    wine reg query "$key" /reg:32 >/dev/null 2>&1
}
unix_path() {
    winepath -u "$1" 2>/dev/null
}
program_files=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion' /v ProgramFilesDir /reg:32 |
    tr -d '\r' | sed -n 's/^ *ProgramFilesDir *REG_SZ *//p')
[ -n "$program_files" ] || { echo "FAIL: Wine's 32-bit Program Files folder is unknown" >&2; exit 1; }
shortcut=$(unix_path 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\PallixExample.lnk')
staged_files=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)
[ -f "$stage/PallixExample.exe" ] || { echo "FAIL: $stage holds no PallixExample.exe" >&2; exit 1; }

# install FOLDER [SETUP_ARGUMENTS]: runs the setup silently and checks what it
# installed in FOLDER (a Windows path). The arguments reach the setup program
# as typed at a Windows prompt: /D= is the last and unquoted, blanks and all.
install() {
    local folder=$1 dir
    dir=$(unix_path "$folder")
    if ! timeout 300 wine cmd /c "$(winepath -w "$scratch/setup.exe") /S ${2:-}"; then
        fail "the setup program /S ${2:-} failed"
        return 1
    fi
    for file in $staged_files; do
        cmp -s "$stage/$file" "$dir/$file" || fail "$folder has no copy of $file"
    done
    [ -f "$dir/Uninstall.exe" ] || fail "$folder has no Uninstall.exe"
    installed=$(cd "$dir" && find . -type f | sed 's|^\./||' | sort) || true
    [ "$installed" = "$(printf '%s\nUninstall.exe\n' "$staged_files" | sort)" ] ||
        fail "$folder holds $(echo $installed), not the staged files and Uninstall.exe"

    key_exists || fail "the setup program wrote no Uninstall key"
    for entry in "DisplayName=PallixExample" "DisplayVersion=$version" "Publisher=Miral Elektronik GmbH" \
        "UninstallString=\"$folder\\Uninstall.exe\"" "InstallLocation=$folder"; do
        [ "$(key_value "${entry%%=*}")" = "${entry#*=}" ] ||
            fail "the Uninstall key's ${entry%%=*} is '$(key_value "${entry%%=*}")', not '${entry#*=}'"
    done
    icon=$(key_value DisplayIcon)
    [ -f "$(unix_path "${icon%,0}")" ] || fail "the Uninstall key's DisplayIcon '$icon' names no installed file"
    [ "$icon" = "$folder\\PallixExample.exe,0" ] || fail "the DisplayIcon is '$icon', not the window's"
    [ -f "$shortcut" ] && { strings -a "$shortcut" && strings -a -el "$shortcut"; } |
        grep -ixF "$folder\\PallixExample.exe" >/dev/null ||
        fail "no Start-menu shortcut to $folder\\PallixExample.exe"
}

# uninstall FOLDER: runs its uninstaller silently, as Windows runs the key's
# QuietUninstallString, and waits for the copy of itself that it runs from
# the temporary folder.
uninstall() {
    local dir
    dir=$(unix_path "$1")
    timeout 120 wine "$dir/Uninstall.exe" /S || fail "Uninstall.exe /S failed"
    for _ in $(seq 120); do
        [ -e "$dir/Uninstall.exe" ] || key_exists || break
        sleep 0.5
    done
    ! key_exists || fail "the Uninstall key remains after uninstalling"
    [ ! -e "$shortcut" ] || fail "the Start-menu shortcut remains after uninstalling"
}

# pallix-read.exe as installed in DIR: one reading, standard output and error.
read_once() {
    (cd / && timeout 120 env PALLIX400_SIM_TEMP=21.5 wine "$1/pallix-read.exe" 2>"$scratch/read.err" |
        tr -d '\r') || true
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/pallix-setup.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
cp "$setup" "$scratch/setup.exe" # a path without blanks, for the prompt

# Into Program Files: the simulator, then the adapter's DLL beside the
# program; that DLL, which the setup did not write, stays on uninstalling.
default="$program_files\\PallixExample"
dir=$(unix_path "$default")
if install "$default"; then
    reading=$(read_once "$dir")
    [ "$reading" = "21.5 °C" ] && [ "$(head -n 1 "$scratch/read.err" | tr -d '\r')" = "Simulated adapter: no Pallix400.dll is installed" ] ||
        fail "the installed pallix-read.exe printed '$reading' and '$(cat "$scratch/read.err")'"
    cp "$stand_in" "$dir/Pallix400.dll"
    reading=$(read_once "$dir")
    [ "$reading" = "25 °C" ] && ! grep -q "Simulated" "$scratch/read.err" ||
        fail "with Pallix400.dll beside it, pallix-read.exe printed '$reading' and '$(cat "$scratch/read.err")'"
    uninstall "$default"
    remaining=$(cd "$dir" 2>/dev/null && find . | sed 's|^\./||' | sort | tr '\n' ' ') || true
    [ "$remaining" = ". Pallix400.dll " ] || fail "after uninstalling, $default holds '$remaining', not just the adapter's DLL"
    rm -rf "$dir"
fi

# Into a folder of one's own, with a blank in its name.
own='C:\Pallix Test\Setup'
dir=$(unix_path "$own")
if install "$own" "/D=$own"; then
    [ ! -e "$(unix_path "$default")" ] || fail "with /D= the setup program wrote to $default too"
    reading=$(read_once "$dir")
    [ "$reading" = "21.5 °C" ] || fail "pallix-read.exe installed with /D= printed '$reading' and '$(cat "$scratch/read.err")'"
    uninstall "$own"
    [ ! -e "$dir" ] || fail "after uninstalling, $own remains: $(cd "$dir" && find . | tr '\n' ' ')"
fi
rm -rf "$(unix_path 'C:\Pallix Test')"

if [ $failures -ne 0 ]; then
    echo "$failures check(s) of the setup program failed" >&2
    exit 1
fi
echo "$(basename "$setup"): installed silently into Program Files and with /D=, ran, uninstalled without a trace"
