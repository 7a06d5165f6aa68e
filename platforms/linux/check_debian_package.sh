#!/usr/bin/env bash
# Builds the .deb from a build tree, checks its metadata, unpacks it (no
# system install), renders its manual pages, starts the unpacked program
# headless for a moment, and asks lintian (where installed) for its verdict:
# no error and no warning.
# usage: check_debian_package.sh BUILD_DIR VERSION APP_ID
set -euo pipefail
build=$1 version=$2 app_id=$3
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (dpkg-dev)"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/ravelinta_*.deb)

field() { dpkg-deb -f "$deb" "$1"; }
fail() { echo "FAIL: $*"; exit 1; }
[ "$(field Package)" = ravelinta ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 fonts-liberation qt6-qpa-plugins qt6-translations-l10n; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg-deb -x "$deb" "$out/root"
for file in usr/bin/ravelinta \
            usr/share/doc/ravelinta/copyright \
            usr/share/doc/ravelinta/changelog.gz \
            usr/share/man/man1/ravelinta.1.gz \
            usr/share/man/bg/man1/ravelinta.1.gz \
            "usr/share/icons/hicolor/16x16/apps/$app_id.png" \
            "usr/share/icons/hicolor/48x48/apps/$app_id.png" \
            "usr/share/applications/$app_id.desktop" \
            "usr/share/metainfo/$app_id.metainfo.xml" \
            "usr/share/icons/hicolor/32x32/apps/$app_id.png" \
            "usr/share/icons/hicolor/256x256/apps/$app_id.png" \
            "usr/share/icons/hicolor/scalable/apps/$app_id.svg"; do
    [ -e "$out/root/$file" ] || fail "the package lacks /$file"
done

# The manual pages render without a warning (preconv reads the Bulgarian).
if command -v groff >/dev/null; then
    for page in usr/share/man/man1/ravelinta.1.gz usr/share/man/bg/man1/ravelinta.1.gz; do
        warnings=$(zcat "$out/root/$page" | groff -k -man -Tutf8 -ww -z 2>&1)
        [ -z "$warnings" ] || fail "/$page: $warnings"
    done
fi
readelf -d "$out/root/usr/bin/ravelinta" | grep -q -E 'RUNPATH|RPATH' && fail "the program carries a RUNPATH"

# Still running after two seconds is a good start: it did not crash or end.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$out/root/usr/bin/ravelinta" || status=$?
[ "$status" -eq 124 ] || fail "the unpacked program ended early with status $status"
if command -v lintian >/dev/null; then
    # Errors and warnings fail; informational tags are shown.
    lintian --display-info "$deb" | tee "$out/lintian.log"
    ! grep -E '^[EW]: ' "$out/lintian.log" >/dev/null || fail "lintian has errors or warnings"
else
    echo "lintian is not installed: the package's lintian check was not run"
fi
echo "package $(basename "$deb"): Depends: $depends"
