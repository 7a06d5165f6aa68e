#!/usr/bin/env bash
# The Windows resource script compiles, with its icon and version block.
# usage: check_windows_resources.sh ravelinta.rc
set -euo pipefail
rc=$1
windres=x86_64-w64-mingw32-windres
command -v "$windres" >/dev/null || { echo "SKIP: $windres is not installed (binutils-mingw-w64-x86-64)"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# The host's C preprocessor serves: the script needs no Windows headers.
"$windres" --preprocessor=cpp --input "$rc" --output "$out/ravelinta.res" --output-format=res
# The compiled block holds the versions as UTF-16 text, and the icon.
strings -el "$out/ravelinta.res" > "$out/strings"
grep -qx 'FileVersion' "$out/strings"
grep -qx 'ProductVersion' "$out/strings"
[ "$(grep -cx '1.00' "$out/strings")" -eq 2 ]
[ "$(stat -c %s "$out/ravelinta.res")" -gt 30000 ] # the icon's images are in it
echo "resource script compiles: versions 1.00, icon included"
