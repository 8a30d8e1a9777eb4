# What `cmake --install` puts where, and the Debian package CPack makes of it.
include(GNUInstallDirs)

if(TARGET tavlo)
  install(TARGETS tavlo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/data/tavlo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/tavlo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/tavlo-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tavlo.xml)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavlo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "tavlo <tavlo@users.noreply.localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "source code editor with a Polish user interface")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "tavlo edits program source files: syntax colouring of eleven languages, find and replace, "
       "conversion between five 8-bit encodings of Polish letters, and printing through a preview.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from the binary's own links; the rest is what it loads at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, tango-icon-theme, qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client")
include(CPack)
