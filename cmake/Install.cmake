# Installation and the Debian package.
#
# The program reads its content from the folder it stands in, so it is
# installed with its content tree in one application folder,
# <prefix>/lib/tamiro, and reached through a link on the PATH. The program
# finds its folder from /proc/self/exe, so the link may point at it.
set(TAMIRO_APP_DIR lib/tamiro)

install(TARGETS tamiro tamiro-revisar RUNTIME DESTINATION ${TAMIRO_APP_DIR})
# The same content the build copies beside the program: no picture sources,
# no generator scripts.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/ DESTINATION ${TAMIRO_APP_DIR}
        PATTERN "src" EXCLUDE
        PATTERN "*.sh" EXCLUDE)
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  foreach(program tamiro tamiro-revisar)
    file(CREATE_LINK ../${TAMIRO_APP_DIR}/\${program} \"\${bin}/\${program}\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/\${program} -> ../${TAMIRO_APP_DIR}/\${program}\")
  endforeach()
")

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging}/org.tamiro.Tamiro.desktop ${packaging}/org.tamiro.Tamiro.Revisar.desktop
        DESTINATION share/applications)
install(FILES ${packaging}/org.tamiro.Tamiro.metainfo.xml DESTINATION share/metainfo)
install(FILES ${packaging}/org.tamiro.Tamiro.png DESTINATION share/icons/hicolor/32x32/apps)
install(FILES ${packaging}/org.tamiro.Tamiro.svg DESTINATION share/icons/hicolor/scalable/apps)

# The copyright file, and the changelog and the Spanish manual pages
# compressed as Debian wants them (gzip -9n: no name, no time stamp). The
# pages are Spanish, the program's only language, so they are also the
# default ones.
install(FILES ${packaging}/copyright DESTINATION share/doc/tamiro)
set(compressed)
foreach(source packaging/changelog docs/man/tamiro.1 docs/man/tamiro-revisar.1)
  get_filename_component(name ${source} NAME)
  set(output ${PROJECT_BINARY_DIR}/compressed/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${PROJECT_SOURCE_DIR}/${source} ${output}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND compressed ${output})
endforeach()
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/compressed)
add_custom_target(tamiro_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${PROJECT_BINARY_DIR}/compressed/changelog.gz DESTINATION share/doc/tamiro)
foreach(pages share/man/es/man1 share/man/man1)
  install(FILES ${PROJECT_BINARY_DIR}/compressed/tamiro.1.gz
                ${PROJECT_BINARY_DIR}/compressed/tamiro-revisar.1.gz DESTINATION ${pages})
endforeach()

# cpack -G DEB in the build folder makes tamiro_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tamiro)
set(CPACK_PACKAGE_VENDOR Tamiro)
set(CPACK_PACKAGE_CONTACT "Equipo de Tamiro <equipo@tamiro.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 characters; CPack indents each one.
set(CPACK_PACKAGE_DESCRIPTION "\
Tamiro enseña un dibujo sin colorear; al pasar el ratón por encima con el
botón pulsado aparecen los colores. Los dibujos, sonidos, animaciones,
pinceles y punteros son archivos corrientes de la carpeta /usr/lib/tamiro.
tamiro-revisar dice al maestro, archivo por archivo, lo que verá el niño.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Shared libraries through dpkg-shlibdeps; the Spanish texts of Qt's own
# dialogs and the sound server backend of the event-sound library besides.
# Pictures (GIF, JPEG, ICO), the X11 platform and the CUPS printer support
# come with the Qt libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, libcanberra-pulse")
include(CPack)
