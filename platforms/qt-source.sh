#!/usr/bin/env bash
# Unpacks the source of Debian's qt6-base (the version the system's Qt has)
# into $1, fetched through a private sources list so that the system's apt
# configuration is left as it is.
set -euo pipefail
dest=$1
[ -f "$dest/CMakeLists.txt" ] && exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work"/lists/partial "$work"/cache/archives/partial
# The same mirror as the system's binary packages.
uri=$(apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' 'Component: main' 2>/dev/null \
      | grep -v security | head -1)
echo "deb-src ${uri:-http://deb.debian.org/debian/} bookworm main" >"$work/sources.list"
apt_private=(-o Dir::Etc::sourcelist="$work/sources.list" -o Dir::Etc::sourceparts=- -o Dir::State::Lists="$work/lists"
             -o Dir::Cache="$work/cache" -o APT::Get::List-Cleanup=0 -o APT::Sandbox::User=root)
apt-get "${apt_private[@]}" -qq update
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
(cd "$work" && apt-get "${apt_private[@]}" -qq --download-only source "qt6-base=$version" >/dev/null)
dpkg-source --no-check --no-copy -x "$work"/qt6-base_*.dsc "$work/src" >/dev/null
mkdir -p "$(dirname "$dest")"
rm -rf "$dest"
mv "$work/src" "$dest"
