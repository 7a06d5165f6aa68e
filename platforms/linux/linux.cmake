# The desktop program on Linux: its installation, the Debian package and
# their checks. Included by the top CMakeLists.txt when building for neither
# Windows nor the web; a macOS build (by hand, see README.md) takes only the
# install rule for its bundle from here.

# Installation: the program, its menu entry, its AppStream data and its icon
# in the hicolor theme (software centres want 64 px and larger).
include(GNUInstallDirs)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${RAVELINTA_APP_ID}.desktop.in ${RAVELINTA_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${RAVELINTA_APP_ID}.metainfo.xml.in ${RAVELINTA_APP_ID}.metainfo.xml @ONLY)
install(TARGETS ravelinta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
if(UNIX AND NOT APPLE)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${RAVELINTA_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${RAVELINTA_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    set(icons "16:hamburger-16.png" "32:hamburger.png" "48:hamburger-48.png" "64:hamburger-64.png" "128:hamburger-128.png" "256:hamburger-256.png")
    foreach(icon IN LISTS icons)
        string(REPLACE ":" ";" icon "${icon}")
        list(GET icon 0 size)
        list(GET icon 1 file)
        install(FILES ${PROJECT_SOURCE_DIR}/resources/${file} RENAME ${RAVELINTA_APP_ID}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/resources/hamburger.svg RENAME ${RAVELINTA_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    # The manual pages, English and Bulgarian, and the Debian changelog,
    # compressed (without a time stamp) as Debian installs them; the licence
    # in Debian's machine-readable form.
    set(compressed)
    foreach(page IN ITEMS ravelinta.1 ravelinta.bg.1 debian/changelog)
        get_filename_component(name ${page} NAME)
        if(EXISTS ${CMAKE_CURRENT_LIST_DIR}/${page}.in)
            configure_file(${CMAKE_CURRENT_LIST_DIR}/${page}.in ${name} @ONLY)
        else()
            configure_file(${CMAKE_CURRENT_LIST_DIR}/${page} ${name} @ONLY)
        endif()
        add_custom_command(OUTPUT ${name}.gz
            COMMAND gzip -9nc ${name} > ${name}.gz
            DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${name})
        list(APPEND compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    endforeach()
    add_custom_target(ravelinta_documents ALL DEPENDS ${compressed})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ravelinta.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ravelinta.bg.1.gz RENAME ravelinta.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/bg/man1)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/debian/copyright
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# A Debian package: cpack -G DEB. Library dependencies are read off the
# binary by dpkg-shlibdeps; the font and Qt's own Bulgarian texts are named.
set(CPACK_PACKAGE_NAME ravelinta)
set(CPACK_PACKAGE_VENDOR "Ravelinta developers")
set(CPACK_PACKAGE_CONTACT "Ravelinta developers <dev@ravelinta.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find the hours on a clock face")
set(CPACK_PACKAGE_DESCRIPTION "A small teaching program for an informatics lesson about positions
on a clock face: choose an hour from a list or point at the dial, and the
hour's marker and Roman numeral appear beside it.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://ravelinta.org)
set(CPACK_STRIP_FILES ON)
include(CPack)

# The Windows resource script is made here too, for its check below.
include(${CMAKE_CURRENT_LIST_DIR}/../windows/resource-script.cmake)

if(NOT BUILD_TESTING)
    return()
endif()

# The desktop files, the Windows resource script and the Debian package; each
# check says SKIP (exit 77) where its tool is not installed.
add_test(NAME desktop_files COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_desktop_files.sh
    ${CMAKE_BINARY_DIR}/${RAVELINTA_APP_ID}.desktop ${CMAKE_BINARY_DIR}/${RAVELINTA_APP_ID}.metainfo.xml)
add_test(NAME windows_resources COMMAND ${CMAKE_CURRENT_LIST_DIR}/../windows/check_windows_resources.sh
    ${CMAKE_BINARY_DIR}/ravelinta.rc)
add_test(NAME debian_package COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_debian_package.sh
    ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} ${RAVELINTA_APP_ID})
set_tests_properties(desktop_files windows_resources debian_package PROPERTIES
    SKIP_RETURN_CODE 77 LABELS "default;install")
set_tests_properties(debian_package PROPERTIES TIMEOUT 300)
