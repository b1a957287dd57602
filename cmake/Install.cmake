# Installation and the Debian package.
#
# The program reads its content from the folder it stands in, so it is
# installed with its content tree in one application folder,
# <prefix>/lib/tamiro, and reached through a link on the PATH. The program
# finds its folder from /proc/self/exe, so the link may point at it.
set(TAMIRO_APP_DIR lib/tamiro)

install(TARGETS tamiro RUNTIME DESTINATION ${TAMIRO_APP_DIR})
# The same content the build copies beside the program: no picture sources,
# no generator scripts.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/ DESTINATION ${TAMIRO_APP_DIR}
        PATTERN "src" EXCLUDE
        PATTERN "*.sh" EXCLUDE)
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(CREATE_LINK ../${TAMIRO_APP_DIR}/tamiro \"\${bin}/tamiro\" SYMBOLIC)
  message(STATUS \"Installing: \${bin}/tamiro -> ../${TAMIRO_APP_DIR}/tamiro\")
")

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging}/org.tamiro.Tamiro.desktop DESTINATION share/applications)
install(FILES ${packaging}/org.tamiro.Tamiro.metainfo.xml DESTINATION share/metainfo)
install(FILES ${packaging}/org.tamiro.Tamiro.png DESTINATION share/icons/hicolor/32x32/apps)
install(FILES ${packaging}/org.tamiro.Tamiro.svg DESTINATION share/icons/hicolor/scalable/apps)

# cpack -G DEB in the build folder makes tamiro_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamiro)
set(CPACK_PACKAGE_VENDOR Tamiro)
set(CPACK_PACKAGE_CONTACT "Tamiro <tamiro@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Tamiro enseña un dibujo sin colorear; al pasar el ratón por encima con el botón pulsado \
aparecen los colores. Los dibujos, sonidos, animaciones, pinceles y punteros son archivos \
corrientes de la carpeta /usr/lib/tamiro.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Shared libraries through dpkg-shlibdeps; the Spanish texts of Qt's own
# dialogs besides. Pictures (GIF, JPEG, ICO), the X11 platform, the CUPS
# printer support and the PulseAudio sound output come with the Qt
# libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, libcanberra-pulse")
include(CPack)
