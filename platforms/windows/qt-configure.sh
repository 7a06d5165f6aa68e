# Qt for Windows: cross-built with mingw-w64 (about 20 minutes on two cores).
# Sourced by ../build-qt.sh, which gives $recipe.
configure_args=(-DCMAKE_TOOLCHAIN_FILE="$recipe/mingw-toolchain.cmake")
