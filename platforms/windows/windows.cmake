# The Windows program: one static ravelinta.exe with nothing beside it (no
# Qt or compiler DLLs), no console window, its version block, icon and
# manifest, and Qt's own texts in Bulgarian built in. From it, the portable
# zip and the MSI installer (target windows_dist). The tests run under Wine,
# in a Wine prefix of the build's own, with checks of their own below.
# Included by the top CMakeLists.txt when building for Windows, before
# tests/.

# Built with mingw-w64, the programs (the program and its tests) carry the
# compiler's runtime in themselves: nothing to put beside them. The program
# is made already; the tests take the folder's option as they are made.
if(MINGW)
    add_link_options(-static)
    target_link_options(ravelinta PRIVATE -static)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/resource-script.cmake)
target_sources(ravelinta PRIVATE ${CMAKE_BINARY_DIR}/ravelinta.rc)
include(${CMAKE_CURRENT_LIST_DIR}/../qt-bulgarian.cmake)

# The portable zip: the program, the licence and a short read-me in each language.
set(RAVELINTA_DIST_NAME ravelinta-${PROJECT_VERSION})
set(stage ${CMAKE_BINARY_DIR}/stage/${RAVELINTA_DIST_NAME})
set(RAVELINTA_STAGED_EXE ${stage}/ravelinta.exe)
set(RAVELINTA_STAGED_LICENCE ${stage}/LICENSE.txt)
# Each lists the commands and their keys as the program's help does: the
# program prints that list (ravelinta --keys). Cross-built, the program that
# prints it is the build machine's own, RAVELINTA_HOST_PROGRAM (./dev
# windows gives it): its commands and keys are the Windows program's.
if(CMAKE_CROSSCOMPILING)
    set(RAVELINTA_HOST_PROGRAM "" CACHE FILEPATH "The build machine's ravelinta, which lists the keys for the read-mes")
    if(NOT RAVELINTA_HOST_PROGRAM)
        message(FATAL_ERROR "Give RAVELINTA_HOST_PROGRAM, the build machine's own ravelinta: it lists the keys "
                            "for the zip's read-mes (./dev windows does)")
    endif()
    set(keys_program ${RAVELINTA_HOST_PROGRAM})
    set(keys_depends ${RAVELINTA_HOST_PROGRAM})
else()
    set(keys_program $<TARGET_FILE:ravelinta>)
    set(keys_depends ravelinta)
endif()
foreach(readme IN ITEMS README.txt ПРОЧЕТИ.txt)
    add_custom_command(OUTPUT ${stage}/${readme}
        COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_CURRENT_LIST_DIR}/${readme} -DOUTPUT=${stage}/${readme}
                -DPROGRAM=${keys_program} -DPROJECT_VERSION=${PROJECT_VERSION}
                -P ${CMAKE_CURRENT_LIST_DIR}/readme.cmake
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${readme} ${CMAKE_CURRENT_LIST_DIR}/readme.cmake ${keys_depends} VERBATIM)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${RAVELINTA_STAGED_LICENCE} NEWLINE_STYLE WIN32)
set(RAVELINTA_STAGED stage/${RAVELINTA_DIST_NAME})
configure_file(${RAVELINTA_ICO} ${CMAKE_BINARY_DIR}/ravelinta.ico COPYONLY)

set(zip ${CMAKE_BINARY_DIR}/${RAVELINTA_DIST_NAME}-win64.zip)
set(msi ${CMAKE_BINARY_DIR}/${RAVELINTA_DIST_NAME}-x64.msi)
add_custom_command(OUTPUT ${RAVELINTA_STAGED_EXE}
    COMMAND ${CMAKE_STRIP} -o ${RAVELINTA_STAGED_EXE} $<TARGET_FILE:ravelinta>
    DEPENDS ravelinta VERBATIM)
add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    # The read-me's Cyrillic name needs a UTF-8 locale, whatever the build's.
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${RAVELINTA_DIST_NAME}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/stage
    DEPENDS ${RAVELINTA_STAGED_EXE} ${stage}/README.txt ${stage}/ПРОЧЕТИ.txt ${RAVELINTA_STAGED_LICENCE} VERBATIM)

# The installer's texts are Bulgarian, in the Cyrillic code page. wixl writes
# strings in the code page of the Windows language that WINDOWS_LANGUAGE
# names (without it, of the build's locale: Cyrillic is dropped, or wixl
# crashes), but leaves the database's own code page unset, so that Windows
# would read them in the installing machine's; msibuild then records it.
set(RAVELINTA_MSI_LANGUAGE bg)
set(RAVELINTA_MSI_CODEPAGE 1251)
set(codepage_table ${CMAKE_BINARY_DIR}/_ForceCodepage.idt)
file(WRITE ${codepage_table} "\r\n\r\n${RAVELINTA_MSI_CODEPAGE}\t_ForceCodepage\r\n")

# The installer's source is written once the program is built: it gives the
# installed files' size.
set(wxs ${CMAKE_BINARY_DIR}/ravelinta.wxs)
set(wxs_in ${CMAKE_CURRENT_LIST_DIR}/ravelinta.wxs.in)
set(configure_wxs ${CMAKE_CURRENT_LIST_DIR}/configure-wxs.cmake)
add_custom_command(OUTPUT ${wxs}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${wxs_in} -DOUTPUT=${wxs}
        -DINSTALLED=${RAVELINTA_STAGED_EXE},${RAVELINTA_STAGED_LICENCE}
        -DPROJECT_VERSION=${PROJECT_VERSION} -DRAVELINTA_STAGED=${RAVELINTA_STAGED}
        -DRAVELINTA_MSI_CODEPAGE=${RAVELINTA_MSI_CODEPAGE} -P ${configure_wxs}
    DEPENDS ${wxs_in} ${configure_wxs} ${RAVELINTA_STAGED_EXE} ${RAVELINTA_STAGED_LICENCE} VERBATIM)

find_program(RAVELINTA_WIXL wixl REQUIRED)
find_program(RAVELINTA_MSIBUILD msibuild REQUIRED)
add_custom_command(OUTPUT ${msi}
    COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=${RAVELINTA_MSI_LANGUAGE}
        ${RAVELINTA_WIXL} --arch x64 --output ${msi} ravelinta.wxs
    COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=${RAVELINTA_MSI_LANGUAGE}
        ${RAVELINTA_MSIBUILD} ${msi} -i ${codepage_table}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${RAVELINTA_STAGED_EXE} ${RAVELINTA_STAGED_LICENCE} ${wxs} ${codepage_table} VERBATIM)
add_custom_target(windows_dist ALL DEPENDS ${zip} ${msi})

# The Wine prefix the tests and ./dev bench run the program in, made once by
# the build.
set(RAVELINTA_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "The Wine prefix the tests run in")
add_custom_command(OUTPUT ${RAVELINTA_WINEPREFIX}/system.reg
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/make-wineprefix.sh ${RAVELINTA_WINEPREFIX} VERBATIM)
add_custom_target(windows_wineprefix ALL DEPENDS ${RAVELINTA_WINEPREFIX}/system.reg)

if(NOT BUILD_TESTING)
    return()
endif()

# The tests in tests/ run under Wine through the cross-compiling emulator,
# wine-run.sh, in that prefix.
set(RAVELINTA_WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env RAVELINTA_WINEPREFIX=${RAVELINTA_WINEPREFIX} ${RAVELINTA_WINE_RUN})

# What the program file carries: the windows subsystem, version 1.00, the
# icon at 16 to 256 px, the manifest, and no DLL but Windows' own.
add_test(NAME windows_exe COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_windows_exe.sh $<TARGET_FILE:ravelinta>
    ${PROJECT_VERSION})

# The zip's read-mes: UTF-8 with a byte-order mark, every line in CR LF.
add_test(NAME windows_zip COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_windows_zip.sh ${zip})

# The installer: silent install for all users, a Start menu entry, the
# program starts from there, and a silent uninstall takes both away.
add_test(NAME windows_msi COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_windows_msi.sh ${msi})
set_tests_properties(windows_msi PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)

# The real program under Wine in an X server, driven by real input: the same
# test as the Linux program's, built for the build machine.
if(RAVELINTA_HOST_TESTS)
    add_test(NAME windows_endtoend COMMAND ${RAVELINTA_HOST_TESTS}/tst_endtoend
        windowAsDesigned listClickAndArrowKeys pressesOnTheDial pressOnMarkerChoosesNothing)
    set_tests_properties(windows_endtoend PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE ENVIRONMENT
        "LC_ALL=bg_BG.UTF-8;RAVELINTA_LAUNCHER=${RAVELINTA_WINE_RUN};RAVELINTA_PROGRAM=$<TARGET_FILE:ravelinta>")
endif()

get_property(windows_tests DIRECTORY PROPERTY TESTS)
set_property(TEST ${windows_tests} APPEND PROPERTY ENVIRONMENT "RAVELINTA_WINEPREFIX=${RAVELINTA_WINEPREFIX}")
