#!/usr/bin/env bash
# Makes the Windows build's own Wine prefix, once, for its tests and its
# benchmark: one where Times New Roman is Liberation Serif, as fontconfig
# makes it on Linux. A prefix already there is left as it is.
# usage: make-wineprefix.sh PREFIX
set -euo pipefail
prefix=$1
[ -f "$prefix/system.reg" ] && exit 0
mkdir -p "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
    /t REG_SZ /d 'Liberation Serif' /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w
