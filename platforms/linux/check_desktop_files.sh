#!/usr/bin/env bash
# The desktop entry and the AppStream data pass their validators.
# usage: check_desktop_files.sh FILE.desktop FILE.metainfo.xml
set -euo pipefail
desktop=$1 metainfo=$2
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
desktop-file-validate "$desktop"
appstreamcli validate --no-net --explain "$metainfo"
grep -qx 'Icon=org.ravelinta.Ravelinta' "$desktop"
grep -q '<release version="1.00"' "$metainfo"
echo "desktop entry and AppStream data are valid"
