# The web page: the program built for WebAssembly, Liberation Serif built in
# (a page reaches no fonts of the system), and the page that loads it. The
# folder site/ holds all a web server needs: ravelinta.html, Qt's loader
# qtloader.js, ravelinta.js, ravelinta.wasm and the icon, and the program's
# two files gzipped beside them. Included by the top CMakeLists.txt when
# building for WebAssembly; the page's checks run from the build machine
# (below), as Qt for WebAssembly has no test library.

include(${CMAKE_CURRENT_LIST_DIR}/../qt-bulgarian.cmake)

set(RAVELINTA_SERIF /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf CACHE FILEPATH
    "Liberation Serif, the metric twin of Times New Roman, built into the web page")
set_source_files_properties(${RAVELINTA_SERIF} PROPERTIES QT_RESOURCE_ALIAS LiberationSerif-Regular.ttf)
qt_add_resources(ravelinta_window ravelinta_fonts PREFIX /typefaces FILES ${RAVELINTA_SERIF})

# Qt's own fonts for the web (DejaVu Sans, DejaVu Sans Mono, Bitstream Vera
# Sans: half a megabyte of the download) are left out: every text of the
# program is in Liberation Serif.
set_property(TARGET Qt6::QWasmIntegrationPlugin_resources_1 PROPERTY IMPORTED_OBJECTS_RELEASE "")

# What a desktop screen reader hears, told to the page's live region; and
# whether leaving the page would lose a round or the construction.
target_sources(ravelinta PRIVATE ${CMAKE_CURRENT_LIST_DIR}/pagenews.cpp ${CMAKE_CURRENT_LIST_DIR}/pageleave.cpp)

# Small: compiled for size; linked at -O2, where wasm-opt (binaryen) makes
# the download smallest once gzipped (bench/RESULTS.md).
target_compile_options(ravelinta_dial PUBLIC -Os)
target_link_options(ravelinta PRIVATE -O2)

set(RAVELINTA_SITE ${CMAKE_BINARY_DIR}/site)
# The page's title is the window's (the page's test compares the two).
set(RAVELINTA_WINDOW_TITLE "ravelinta.org Позиция:  правилен N-ъгълник")
configure_file(${CMAKE_CURRENT_LIST_DIR}/ravelinta.html.in ${RAVELINTA_SITE}/ravelinta.html @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/hamburger-64.png ${RAVELINTA_SITE}/ravelinta.png COPYONLY)
# ravelinta.wasm.gz and ravelinta.js.gz, made once here rather than by the
# server at each request, for servers that send a file's .gz to browsers
# that take gzip (nginx's gzip_static, BusyBox's httpd): less than half the
# download. Without a name or time stamp, so a build makes the same bytes.
add_custom_command(TARGET ravelinta POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:ravelinta>/ravelinta.js
            $<TARGET_FILE_DIR:ravelinta>/ravelinta.wasm $<TARGET_FILE_DIR:ravelinta>/qtloader.js ${RAVELINTA_SITE}
    COMMAND gzip -9 -n -k -f ${RAVELINTA_SITE}/ravelinta.js ${RAVELINTA_SITE}/ravelinta.wasm
    VERBATIM)

if(NOT BUILD_TESTING)
    return()
endif()

# What the folder holds and how much it is to download.
add_test(NAME web_site COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_web_site.sh ${RAVELINTA_SITE})

# The page in Debian's Chromium on an X server of its own, driven by real
# input: the same test as the desktop program's, built for the build
# machine. The screen is a pixel larger than Chromium's window, which is as
# tall as the window is designed and as wide as Chromium's narrowest.
if(RAVELINTA_HOST_TESTS)
    # The page's title as the browser shows it: blanks run together, as in
    # every page's title, and its own name after it.
    set(window_name "ravelinta.org Позиция: правилен N-ъгълник - Chromium")
    add_test(NAME web_endtoend COMMAND ${RAVELINTA_HOST_TESTS}/tst_endtoend
        windowAsDesigned listClickAndArrowKeys pressesOnTheDial pressOnMarkerChoosesNothing)
    set_tests_properties(web_endtoend PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE ENVIRONMENT
        "RAVELINTA_LAUNCHER=${CMAKE_CURRENT_LIST_DIR}/chromium-run.sh;RAVELINTA_PROGRAM=${RAVELINTA_SITE}/ravelinta.html;RAVELINTA_SCREEN=501x432;RAVELINTA_WINDOW_NAME=${window_name}")
endif()

# The page on a tablet's screen, 1024 x 768: touches sent through Chromium's
# DevTools protocol by puppeteer-core (which ./dev installs into
# RAVELINTA_WEB_TOOLS from touch/package.json), keys through the browser as a
# keyboard sends them: a tap, a long touch, the menu button, the menu key,
# the modes' keys, and a page that still answers after Ctrl+Q.
if(RAVELINTA_WEB_TOOLS)
    add_test(NAME web_touch COMMAND ${CMAKE_CURRENT_LIST_DIR}/touch/run.sh ${RAVELINTA_SITE}/ravelinta.html
        ${RAVELINTA_WEB_TOOLS})
    set_tests_properties(web_touch PROPERTIES TIMEOUT 240 RUN_SERIAL TRUE SKIP_RETURN_CODE 77)
endif()
