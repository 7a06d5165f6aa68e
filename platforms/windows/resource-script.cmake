# The Windows resource script: the version block, the hamburger as the
# program's icon and the manifest, written to ravelinta.rc in the build
# folder. The Windows build compiles it into ravelinta.exe; the Linux build
# makes it too, so that its suite compiles it with a cross windres
# (check_windows_resources.sh) without Wine or Qt for Windows.
set(RAVELINTA_ICO ${CMAKE_CURRENT_LIST_DIR}/ravelinta.ico)
set(RAVELINTA_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/ravelinta.exe.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ravelinta.rc.in ${CMAKE_BINARY_DIR}/ravelinta.rc @ONLY)
