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
    set(icons "32:hamburger.png" "64:hamburger@2x.png" "128:hamburger-128.png" "256:hamburger-256.png")
    foreach(icon IN LISTS icons)
        string(REPLACE ":" ";" icon "${icon}")
        list(GET icon 0 size)
        list(GET icon 1 file)
        install(FILES resources/${file} RENAME ${RAVELINTA_APP_ID}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES resources/hamburger.svg RENAME ${RAVELINTA_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
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
include(CPack)
