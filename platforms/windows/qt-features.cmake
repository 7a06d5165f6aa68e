# The static Qt for Windows that the program needs: Core, Gui, Widgets and
# Test, the windows platform plugin (and the offscreen one for the tests),
# PNG pictures and DirectWrite fonts.
# Nothing else is built, so the first build takes minutes, not hours.
set(BUILD_SHARED_LIBS OFF CACHE BOOL "")
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")
set(QT_QMAKE_TARGET_MKSPEC win32-g++ CACHE STRING "")
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

# The compiler's own runtime goes into the program, not beside it.
set(FEATURE_static_runtime ON CACHE BOOL "")

foreach(off network sql printsupport opengl dbus xml concurrent vulkan icu
        # Without OpenGL, the windows plugin builds only without dynamic GL too.
        dynamicgl
        # Debian's source lacks the tablet headers.
        tabletevent
        # With direct2d off the DirectWrite font database is not compiled in,
        # so the plugin must not ask for it either.
        direct2d directwrite3
        system_zlib system_png system_pcre2 system_harfbuzz system_freetype
        jpeg gif zstd brotli sessionmanager)
    set(FEATURE_${off} OFF CACHE BOOL "")
endforeach()
# FreeType draws the text of the offscreen platform, on which the tests run.
foreach(on gui widgets testlib png harfbuzz pcre2 directwrite accessibility freetype)
    set(FEATURE_${on} ON CACHE BOOL "")
endforeach()
