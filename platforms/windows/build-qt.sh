#!/usr/bin/env bash
# Builds the static Qt for Windows once and prints where it is installed.
# The result is kept outside the work tree, keyed by Qt's version and by this
# recipe, so later runs (and other clones) reuse it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cache=${RAVELINTA_CACHE:-/var/cache/ravelinta}
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
key=$(cat "$here/build-qt.sh" "$here/qt-features.cmake" "$here/mingw-toolchain.cmake" | sha256sum | cut -c1-12)
prefix=$cache/qt-${version%%+*}-win64-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

src=$cache/qt6-base-src-$version
"$here/../qt-source.sh" "$src" >&2
build=$cache/build-win64-$key
rm -rf "$build" "$prefix"
start=$SECONDS
echo "Building Qt for Windows once (about 20 minutes on two cores) into $prefix" >&2
cmake -S "$src" -B "$build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" -C "$here/qt-features.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" >"$cache/build-win64-$key.log" 2>&1 \
    || { tail -30 "$cache/build-win64-$key.log" >&2; exit 1; }
cmake --build "$build" --parallel >>"$cache/build-win64-$key.log" 2>&1 \
    || { tail -30 "$cache/build-win64-$key.log" >&2; exit 1; }
cmake --install "$build" >>"$cache/build-win64-$key.log" 2>&1
rm -rf "$build"
echo "$((SECONDS - start))" >"$prefix/.complete"
echo "Qt for Windows built in $((SECONDS - start)) s" >&2
echo "$prefix"
