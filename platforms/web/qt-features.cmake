# The static Qt for WebAssembly that the program needs: Core, Gui and
# Widgets, the wasm platform plugin, PNG pictures, FreeType and HarfBuzz for
# the fonts built into the page. No threads (a page served from any web
# server, without the headers that threads need), no network, no SQL.
# Optimised for size: the page is a download.
set(BUILD_SHARED_LIBS OFF CACHE BOOL "")
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

foreach(off thread network sql printsupport dbus xml concurrent testlib vulkan icu sessionmanager
        system_zlib system_png system_pcre2 system_harfbuzz system_freetype jpeg gif zstd brotli)
    set(FEATURE_${off} OFF CACHE BOOL "")
endforeach()
foreach(on gui widgets png harfbuzz pcre2 freetype optimize_size)
    set(FEATURE_${on} ON CACHE BOOL "")
endforeach()
