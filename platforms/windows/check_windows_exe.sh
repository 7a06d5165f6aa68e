#!/usr/bin/env bash
# The Windows program file, read back: a 64-bit program for the windows
# subsystem (no console), its version block, its icon at 16 to 256 px, its
# manifest (per-monitor DPI, no administrator rights), and no DLL beside it.
# usage: check_windows_exe.sh ravelinta.exe VERSION
set -euo pipefail
exe=$1 version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
headers=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -q 'file format pei-x86-64' <<<"$headers"
grep -Eq '^Subsystem\s+0+2\s+\(Windows GUI\)' <<<"$headers"

# Every DLL it imports is part of Windows: nothing of Qt's or the compiler's.
imports=$(grep -Po 'DLL Name: \K\S+' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)
echo "imports: $(tr '\n' ' ' <<<"$imports")"
if grep -Eiv '^(advapi32|comdlg32|d3d9|d3d11|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|setupapi|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|authz|mpr|rpcrt4|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$' <<<"$imports"; then
    echo "imports a DLL that Windows does not have" >&2
    exit 1
fi

# The version block holds 1.00 as file and product version.
wrestool -x --raw --type=16 "$exe" >"$out/version.res"
strings -el "$out/version.res" >"$out/version"
[ "$(grep -cx "$version" "$out/version")" -eq 2 ]

# The icon, at each size a window, a task bar or Explorer asks for.
wrestool -x --type=14 "$exe" >"$out/icon.ico"
sizes=$(icotool -l "$out/icon.ico" 2>/dev/null | grep -Po 'width=\K[0-9]+' | sort -n | tr '\n' ' ')
[ "$sizes" = "16 32 48 64 256 " ] || { echo "icon sizes: $sizes" >&2; exit 1; }

# The manifest: per-monitor DPI awareness, and run as the user who starts it.
wrestool -x --raw --type=24 "$exe" >"$out/manifest.xml"
grep -q '<dpiAwareness[^>]*>PerMonitorV2</dpiAwareness>' "$out/manifest.xml"
grep -q 'level="asInvoker"' "$out/manifest.xml"
echo "ravelinta.exe: windows subsystem, version $version, icon $sizes px, per-monitor DPI manifest, $(stat -c %s "$exe") bytes"
