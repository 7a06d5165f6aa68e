#!/usr/bin/env bash
# The folder a school copies to its web site: the page, Qt's loader, the
# program and the icon, and nothing it cannot serve; the program's two
# files gzipped beside them, each exactly the file it stands for; a page
# that a pinch enlarges; and the download, as a server that compresses
# sends it, within 4 MB.
# usage: check_web_site.sh SITE
set -euo pipefail
site=$1
limit=$((4 * 1024 * 1024))
precompressed=(ravelinta.js ravelinta.wasm)
for file in ravelinta.html qtloader.js ravelinta.png "${precompressed[@]}" "${precompressed[@]/%/.gz}"; do
    [ -s "$site/$file" ] || { echo "missing from the site: $file" >&2; exit 1; }
done
grep -q '<title>ravelinta.org ' "$site/ravelinta.html" || { echo "the page has not the window's title" >&2; exit 1; }
# A pupil with low vision enlarges the page with two fingers: nothing forbids it.
viewport=$(grep -o '<meta name="viewport"[^>]*>' "$site/ravelinta.html")
if grep -Eq 'user-scalable *= *(0|no)|maximum-scale' <<<"$viewport"; then
    echo "the page forbids a pinch to enlarge it: $viewport" >&2
    exit 1
fi
for file in "${precompressed[@]}"; do
    gzip -dc "$site/$file.gz" | cmp -s - "$site/$file" || { echo "$file.gz is not $file" >&2; exit 1; }
done
total=0
plain=0
for file in "$site"/*; do
    [ "${file%.gz}" = "$file" ] || continue
    # Its .gz where there is one, or the file gzipped on the fly.
    if [ -f "$file.gz" ]; then size=$(stat -c %s "$file.gz"); else size=$(gzip -9 -c "$file" | wc -c); fi
    printf '%-16s %9d bytes, %9d gzipped\n' "$(basename "$file")" "$(stat -c %s "$file")" "$size"
    total=$((total + size))
    plain=$((plain + $(stat -c %s "$file")))
done
echo "download: $total bytes gzipped (at most $limit), $plain bytes from a plain server"
[ "$total" -le "$limit" ]
