#!/usr/bin/env bash
# The folder a school copies to its web site: the page, Qt's loader, the
# program and the icon, and nothing it cannot serve; and its size, as a
# browser downloads it (gzip), within 4 MB.
# usage: check_web_site.sh SITE
set -euo pipefail
site=$1
limit=$((4 * 1024 * 1024))
for file in ravelinta.html qtloader.js ravelinta.js ravelinta.wasm ravelinta.png; do
    [ -s "$site/$file" ] || { echo "missing from the site: $file" >&2; exit 1; }
done
grep -q '<title>ravelinta.org ' "$site/ravelinta.html" || { echo "the page has not the window's title" >&2; exit 1; }
total=0
for file in "$site"/*; do
    size=$(gzip -9 -c "$file" | wc -c)
    printf '%-16s %9d bytes, %9d gzipped\n' "$(basename "$file")" "$(stat -c %s "$file")" "$size"
    total=$((total + size))
done
echo "download: $total bytes gzipped (at most $limit)"
[ "$total" -le "$limit" ]
