#!/usr/bin/env bash
# The installer under Wine, as a school's administrator uses it: a silent
# install for all users puts the program under Program Files with a Start
# menu entry, Apps & features lists it with its place, its size and no
# Modify button, the program starts from there and shows its window, and a
# silent uninstall takes both away again.
# usage: check_windows_msi.sh ravelinta-VERSION-x64.msi
set -euo pipefail
export WINEPREFIX=${RAVELINTA_WINEPREFIX:?}
msi=$(realpath "$1")
fail() { echo "$*" >&2; exit 1; }

# A row's second column in one of the installer's tables.
column2() { msiinfo export "$msi" "$1" | tr -d '\r' | awk -F'\t' -v key="$2" '$1 == key { print $2 }'; }
[ "$(column2 Property ARPNOMODIFY)" = 1 ] || fail "Apps & features would offer to modify the installation"
# The size is that of the files installed, in KB rounded up.
bytes=$(msiinfo export "$msi" File | tr -d '\r' | awk -F'\t' 'NR > 3 { sum += $4 } END { print sum }')
[ "$(column2 Property ARPSIZE)" = "$(((bytes + 1023) / 1024))" ] ||
    fail "installed size $(column2 Property ARPSIZE) KB, the files are $bytes bytes"
# The shortcut's Bulgarian description, read as a machine of another
# language reads it: the database must say its code page.
description=$(WINDOWS_LANGUAGE=en msiinfo export "$msi" Shortcut | tr -d '\r' | awk -F'\t' 'NR > 3 { print $7 }')
[ "$description" = "Позиции върху циферблат: упражнение по информатика" ] ||
    fail "the Start menu entry's description reads: $description"

here=$(cd "$(dirname "$0")" && pwd)
run=$here/wine-run.sh
drive=${RAVELINTA_WINEPREFIX:?}/drive_c
program="$drive/Program Files/Ravelinta/ravelinta.exe"
# The MSI installs for all users; Wine files its Start menu entries under the
# user who installs, Windows under ProgramData.
shortcut() { find "$drive/ProgramData" "$drive/users" -path '*/Start Menu/Programs/Ravelinta.lnk' 2>/dev/null; }
win() { local p=$1; echo "Z:${p//\//\\}"; }

# Everything runs on an X server of its own: Wine's desktop needs one.
display=$(mktemp)
log=$(mktemp)
started=
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$display" >/dev/null 2>&1 &
xvfb=$!
# Wine's processes go before the X server they draw on.
cleanup() {
    [ -z "$started" ] || kill "$started" 2>/dev/null || true
    timeout 20 /usr/lib/wine/wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$display" "$log"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$display")

"$run" msiexec /i "$(win "$msi")" /qn
[ -f "$program" ] || { echo "not installed: $program" >&2; exit 1; }
[ -n "$(shortcut)" ] || { echo "no Start menu entry" >&2; exit 1; }
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$(column2 Property ProductCode)"
location=$("$run" reg query "$uninstall_key" /v InstallLocation | tr -d '\r' | awk -F'    ' '$2 == "InstallLocation" { print $4 }')
[ "$location" = 'C:\Program Files\Ravelinta\' ] || fail "Apps & features has it installed at '$location'"

# Started from where it is installed, it shows its window within 60 s. The
# search is repeated: xdotool's --sync gives up at the first window that
# vanishes while it looks, and Wine makes and drops several as it starts.
"$run" "C:\\Program Files\\Ravelinta\\ravelinta.exe" >"$log" 2>&1 &
started=$!
window=
for _ in $(seq 600); do
    window=$(xdotool search --onlyvisible --name '^ravelinta[.]org ' 2>/dev/null | head -1) || true
    [ -n "$window" ] || ! kill -0 "$started" 2>/dev/null && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the installed program showed no window" >&2; cat "$log" >&2; exit 1; }
kill "$started" 2>/dev/null || true
started=

"$run" msiexec /x "$(win "$msi")" /qn
[ ! -e "$program" ] || { echo "still installed after uninstalling" >&2; exit 1; }
[ -z "$(shortcut)" ] || { echo "the Start menu entry is left behind: $(shortcut)" >&2; exit 1; }
echo "installed, started from Program Files, uninstalled: $(basename "$msi")"
