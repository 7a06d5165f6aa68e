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
set(wxs_in ${CMAKE_CURRENT_SOURCE_DIR}/platforms/windows/ravelinta.wxs.in)
set(configure_wxs ${CMAKE_CURRENT_SOURCE_DIR}/platforms/windows/configure-wxs.cmake)
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
