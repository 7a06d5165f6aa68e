# The Windows build's own checks, run under Wine (the tests above run there
# too, through the cross-compiling emulator, wine-run.sh), in the build's own
# Wine prefix.
set(RAVELINTA_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "The Wine prefix the tests run in")

# What the program file carries: the windows subsystem, version 1.00, the
# icon at 16 to 256 px, the manifest, and no DLL but Windows' own.
add_test(NAME windows_exe COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check_windows_exe.sh $<TARGET_FILE:ravelinta>
    ${PROJECT_VERSION})

# The installer: silent install for all users, a Start menu entry, the
# program starts from there, and a silent uninstall takes both away.
add_test(NAME windows_msi COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check_windows_msi.sh
    ${CMAKE_BINARY_DIR}/ravelinta-${PROJECT_VERSION}-x64.msi)
set_tests_properties(windows_msi PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)

# The real program under Wine in an X server, driven by real input: the same
# test as the Linux program's, built for the build machine.
if(RAVELINTA_HOST_TESTS)
    add_test(NAME windows_endtoend COMMAND ${RAVELINTA_HOST_TESTS}/tst_endtoend
        windowAsDesigned listClickAndArrowKeys pressesOnTheDial pressOnMarkerChoosesNothing)
    set_tests_properties(windows_endtoend PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE ENVIRONMENT
        "LC_ALL=bg_BG.UTF-8;RAVELINTA_LAUNCHER=${CMAKE_CROSSCOMPILING_EMULATOR};RAVELINTA_PROGRAM=$<TARGET_FILE:ravelinta>")
endif()

get_property(windows_tests DIRECTORY PROPERTY TESTS)
set_property(TEST ${windows_tests} APPEND PROPERTY ENVIRONMENT "RAVELINTA_WINEPREFIX=${RAVELINTA_WINEPREFIX}")
