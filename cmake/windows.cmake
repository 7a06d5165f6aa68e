# The Windows program: one static ravelinta.exe with nothing beside it (no
# Qt or compiler DLLs), no console window, its version block, icon and
# manifest, and Qt's own texts in Bulgarian built in. From it, the portable
# zip and the MSI installer (target windows_dist).

# The portable zip: the program, the licence and a short read-me in each language.
set(RAVELINTA_DIST_NAME ravelinta-${PROJECT_VERSION})
set(stage ${CMAKE_BINARY_DIR}/stage/${RAVELINTA_DIST_NAME})
set(RAVELINTA_STAGED_EXE ${stage}/ravelinta.exe)
set(RAVELINTA_STAGED_LICENCE ${stage}/LICENSE.txt)
configure_file(resources/windows/README.txt ${stage}/README.txt @ONLY NEWLINE_STYLE WIN32)
configure_file(resources/windows/ПРОЧЕТИ.txt ${stage}/ПРОЧЕТИ.txt @ONLY NEWLINE_STYLE WIN32)
configure_file(LICENSE ${RAVELINTA_STAGED_LICENCE} NEWLINE_STYLE WIN32)
set(RAVELINTA_STAGED stage/${RAVELINTA_DIST_NAME})
configure_file(platforms/windows/ravelinta.wxs.in ${CMAKE_BINARY_DIR}/ravelinta.wxs @ONLY)
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
find_program(RAVELINTA_WIXL wixl REQUIRED)
add_custom_command(OUTPUT ${msi}
    COMMAND ${RAVELINTA_WIXL} --arch x64 --output ${msi} ravelinta.wxs
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${RAVELINTA_STAGED_EXE} ${RAVELINTA_STAGED_LICENCE} ${CMAKE_BINARY_DIR}/ravelinta.wxs VERBATIM)
add_custom_target(windows_dist ALL DEPENDS ${zip} ${msi})
