#!/usr/bin/env bash
# Builds a static Qt for another platform once, from the source of Debian's
# qt6-base (the version of the system's Qt), and prints where it is
# installed. Each platform's folder holds its recipe: qt-configure.sh (the
# environment and the arguments of Qt's configure) and qt-features.cmake
# (what is built). The result is kept outside the work tree, keyed by Qt's
# version and by the recipe, so later runs (and other clones) reuse it.
# usage: build-qt.sh windows|web
set -euo pipefail
shopt -s nullglob
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
platform=$1
recipe=$here/$platform
cache=${RAVELINTA_CACHE:-/var/cache/ravelinta}
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
key=$(cat "$here/build-qt.sh" "$recipe"/qt-configure.sh "$recipe"/qt-features.cmake "$recipe"/*-toolchain.cmake \
      | sha256sum | cut -c1-12)
prefix=$cache/qt-${version%%+*}-$platform-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

src=$cache/qt6-base-src-$version
"$here/qt-source.sh" "$src" >&2
configure_args=()
# shellcheck source=/dev/null
source "$recipe/qt-configure.sh"
build=$cache/build-$platform-$key
log=$cache/build-$platform-$key.log
rm -rf "$build" "$prefix"
start=$SECONDS
echo "Building Qt for $platform once into $prefix" >&2
cmake -S "$src" -B "$build" -G Ninja -Wno-dev -C "$recipe/qt-features.cmake" "${configure_args[@]}" \
    -DCMAKE_INSTALL_PREFIX="$prefix" >"$log" 2>&1 || { tail -30 "$log" >&2; exit 1; }
cmake --build "$build" --parallel >>"$log" 2>&1 || { tail -30 "$log" >&2; exit 1; }
cmake --install "$build" >>"$log" 2>&1
rm -rf "$build"
echo "$((SECONDS - start))" >"$prefix/.complete"
echo "Qt for $platform built in $((SECONDS - start)) s" >&2
echo "$prefix"
