# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the posix
# thread model, which Qt 6 needs). Used to build Qt itself and the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RAVELINTA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RAVELINTA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RAVELINTA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${RAVELINTA_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${RAVELINTA_MINGW})

# Programs (moc, rcc, ...) are the build machine's; libraries and headers
# come only from the Windows side.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
