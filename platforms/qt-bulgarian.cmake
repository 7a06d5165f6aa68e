# Qt's texts in Bulgarian, from the build machine's qt6-translations-l10n,
# built into the programs that cannot read the system's: the Windows program
# and the web page, each of which includes this file.
set(RAVELINTA_QT_BG_QM /usr/share/qt6/translations/qtbase_bg.qm CACHE FILEPATH
    "Qt's own Bulgarian texts, built into the Windows program and the web page")
set_source_files_properties(${RAVELINTA_QT_BG_QM} PROPERTIES QT_RESOURCE_ALIAS qtbase_bg.qm)
qt_add_resources(ravelinta_window ravelinta_translations PREFIX /translations FILES ${RAVELINTA_QT_BG_QM})
