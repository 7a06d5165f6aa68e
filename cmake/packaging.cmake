# Installation: the program, its menu entry, its AppStream data and its icon
# in the hicolor theme (software centres want 64 px and larger).
include(GNUInstallDirs)
configure_file(resources/${RAVELINTA_APP_ID}.desktop.in ${RAVELINTA_APP_ID}.desktop @ONLY)
configure_file(resources/${RAVELINTA_APP_ID}.metainfo.xml.in ${RAVELINTA_APP_ID}.metainfo.xml @ONLY)
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
        install(FILES resources/${file} RENAME ${RAVELINTA_APP_ID}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES resources/hamburger.svg RENAME ${RAVELINTA_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    # The manual pages, English and Bulgarian, and the Debian changelog,
    # compressed (without a time stamp) as Debian installs them; the licence
    # in Debian's machine-readable form.
    set(compressed)
    foreach(page IN ITEMS ravelinta.1 ravelinta.bg.1 debian/changelog)
        get_filename_component(name ${page} NAME)
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/resources/${page}.in)
            configure_file(resources/${page}.in ${name} @ONLY)
        else()
            configure_file(resources/${page} ${name} @ONLY)
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
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz resources/debian/copyright
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
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://ravelinta.org)
set(CPACK_STRIP_FILES ON)
include(CPack)
