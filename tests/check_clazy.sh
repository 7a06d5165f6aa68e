#!/usr/bin/env bash
# The program's own sources pass clazy's checks up to level 2 without a word.
# usage: check_clazy.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
command -v clazy-standalone >/dev/null || { echo "SKIP: clazy is not installed"; exit 77; }
[ -f "$build/compile_commands.json" ] || { echo "no compile_commands.json in $build"; exit 1; }
cd "$source"
files=(app/*.cpp widgets/*.cpp dial/*.cpp)
said=$(printf '%s\n' "${files[@]}" |
    xargs -P2 -n4 clazy-standalone -p "$build/compile_commands.json" -checks=level2 2>&1 || true)
if grep -E "(warning|error):" <<<"$said"; then
    exit 1
fi
echo "clazy, level 2: nothing to say about ${#files[@]} files"
