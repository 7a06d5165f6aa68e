# The web page's checks, run from the build machine: what the folder holds
# and how much it is to download, and the page itself in Chromium.

add_test(NAME web_site COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check_web_site.sh ${RAVELINTA_SITE})

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
        "RAVELINTA_LAUNCHER=${PROJECT_SOURCE_DIR}/platforms/web/chromium-run.sh;RAVELINTA_PROGRAM=${RAVELINTA_SITE}/ravelinta.html;RAVELINTA_SCREEN=501x432;RAVELINTA_WINDOW_NAME=${window_name}")
endif()
