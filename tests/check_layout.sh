#!/usr/bin/env bash
# The folders as the documents and the scripts name them: every path in the
# source tree that README.md, bench/RESULTS.md, ./dev, CI, the presets or a
# platform's CMake file names is there, and the stages of ./dev test are
# the ones README.md's table lists, in the same order, each with its time
# in ./dev's own summary.
# usage: check_layout.sh SOURCE_DIR
set -euo pipefail
cd "$1"
failed=0
fail() { echo "$*" >&2; failed=1; }

# Each file and how it names a path: relative to the source folder, to
# ${sourceDir}, or to the CMake file's own folder.
checks=(
    "README.md            tree"
    "bench/RESULTS.md     tree"
    "dev                  tree"
    ".ci/run              tree"
    "CMakePresets.json    sourceDir"
    "CMakeLists.txt       tree"
)
for file in platforms/*.cmake platforms/*/*.cmake; do
    checks+=("$file list_dir")
done

paths_in() {
    local file=$1 how=$2
    case $how in
    tree)
        # A top folder of the tree and what follows, not part of a longer
        # path (build/release/bench/...) or a name (Contents/Resources/...).
        grep -oP '(?<![\w/.${}-])(app|widgets|dial|resources|platforms|tests|bench|docs|cmake|\.ci)/[\w./*-]*' "$file" ;;
    sourceDir)
        # build/ is where the presets build, made by them.
        grep -oP '\$\{sourceDir\}/\K[\w./*-]+' "$file" | grep -v '^build/' ;;
    list_dir)
        grep -oP '\$\{CMAKE_CURRENT_LIST_DIR\}/\K[\w./*-]+' "$file" | sed "s|^|$(dirname "$file")/|" ;;
    esac
}

for check in "${checks[@]}"; do
    read -r file how <<<"$check"
    while read -r path; do
        [ -n "$path" ] || continue
        path=${path%[.,]}
        # A pattern (platforms/*.cmake) is there when something matches it.
        if [[ $path == *'*'* ]]; then
            compgen -G "$path" >/dev/null || fail "$file names $path, which matches nothing"
        else
            [ -e "$path" ] || fail "$file names $path, which is not there"
        fi
    done < <(paths_in "$file" "$how" | sort -u)
done

# ./dev test's stages: README.md's table has a row for each, in ./dev's
# order, and ./dev's own summary gives each a time.
mapfile -t dev_stages < <(sed -n 's/^STAGES=(\(.*\))$/\1/p' dev | tr ' ' '\n')
mapfile -t readme_stages < <(grep -oP '^\| `\K[a-z]+(?=` +\|)' README.md)
[ "${#dev_stages[@]}" -gt 0 ] || fail "./dev names no stages"
[ "${dev_stages[*]}" = "${readme_stages[*]}" ] ||
    fail "./dev test's stages are '${dev_stages[*]}', README.md's table lists '${readme_stages[*]}'"
summary=$(./dev help 2>&1 || true)
for stage in "${dev_stages[@]}"; do
    grep -qP "^  $stage +.* [0-9.]+ min" <<<"$summary" || fail "./dev help gives no time for the stage $stage"
done

[ "$failed" -eq 0 ] && echo "every path named is there; stages: ${dev_stages[*]}"
exit "$failed"
