#!/usr/bin/env bash
# Runs a Windows program under Wine as the tests need it: in the build's own
# Wine prefix, with Qt's settings passed on (Wine hands QT_x to a Windows
# program only as WINEQT_x), fonts for the offscreen platform, and a QtTest
# run's report kept in a file (its redirected output can be lost under Wine).
# usage: wine-run.sh PROGRAM.exe [ARGUMENT...]
set -u
exe=$1
shift
export WINEPREFIX=${RAVELINTA_WINEPREFIX:?the Wine prefix (./dev windows makes it)}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep -E '^QT_[A-Z_]+=')
export WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\liberation'
wine=/usr/lib/wine/wine64
# Wine's desktop belongs to the X display it started with: a run in a window
# starts afresh on its own display. (Such runs are never run side by side.)
if [ -n "${DISPLAY:-}" ]; then
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
fi

case $(basename "$exe") in
tst_*.exe)
    report=$(mktemp)
    trap 'rm -f "$report"' EXIT
    "$wine" "$exe" -o "Z:${report//\//\\},txt" "$@"
    status=$?
    cat "$report"
    exit "$status"
    ;;
*)
    exec "$wine" "$exe" "$@"
    ;;
esac
