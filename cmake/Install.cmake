# Installation (`cmake --install`; the Debian package in debian/ uses it too).
#
# The program reads its content from the folder it stands in, <prefix>/lib/tamiro,
# and is reached through links on the PATH: it finds its folder from
# /proc/self/exe, so the link may point at it.
#
# TAMIRO_SAMPLE_DIR empty: the sample content goes into the program's folder,
# which is then complete by itself. Set to a folder under the prefix (the
# package sets share/tamiro/muestra): the sample goes there without the
# printing switch, and whoever installs provides the program's folder with
# its content names (the package links them to the school's own content and
# to the switch in /etc).
set(TAMIRO_APP_DIR lib/tamiro)
set(TAMIRO_SAMPLE_DIR "" CACHE STRING
    "Folder under the prefix for the sample content; empty: the program's own folder")

install(TARGETS tamiro tamiro-revisar tamiro-dibujo RUNTIME DESTINATION ${TAMIRO_APP_DIR})
# The same content the build copies beside the program: no picture sources,
# no generator scripts.
set(sample_excludes PATTERN "src" EXCLUDE PATTERN "*.sh" EXCLUDE)
if(TAMIRO_SAMPLE_DIR)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/ DESTINATION ${TAMIRO_SAMPLE_DIR}
          ${sample_excludes} PATTERN "impresora.txt" EXCLUDE)
else()
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/ DESTINATION ${TAMIRO_APP_DIR} ${sample_excludes})
endif()
install(CODE "
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin}\")
  foreach(program tamiro tamiro-revisar tamiro-dibujo)
    file(CREATE_LINK ../${TAMIRO_APP_DIR}/\${program} \"\${bin}/\${program}\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/\${program} -> ../${TAMIRO_APP_DIR}/\${program}\")
  endforeach()
")

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging}/org.tamiro.Tamiro.desktop ${packaging}/org.tamiro.Tamiro.Revisar.desktop
              ${packaging}/org.tamiro.Tamiro.Dibujos.desktop
        DESTINATION share/applications)
install(FILES ${packaging}/org.tamiro.Tamiro.metainfo.xml DESTINATION share/metainfo)
install(FILES ${packaging}/org.tamiro.Tamiro.png DESTINATION share/icons/hicolor/32x32/apps)
install(FILES ${packaging}/org.tamiro.Tamiro.svg DESTINATION share/icons/hicolor/scalable/apps)

# The catalogues of the programs' texts, where a program in lib/tamiro finds
# them (../../share/tamiro/translations). The Spanish plural forms are built
# into the programs; the pseudo-language of the tests is never installed.
install(FILES ${TAMIRO_QM_FILES} DESTINATION share/tamiro/translations)

# The manual pages: the Spanish ones, the source, are also the default ones;
# a translation in docs/man/LANGUAGE/ goes where man looks for that language.
foreach(pages share/man/es/man1 share/man/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/man/tamiro.1 ${PROJECT_SOURCE_DIR}/docs/man/tamiro-revisar.1
                ${PROJECT_SOURCE_DIR}/docs/man/tamiro-dibujo.1
          DESTINATION ${pages})
endforeach()
foreach(language ${TAMIRO_LANGUAGES})
  file(GLOB pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${language}/*.1)
  if(pages)
    install(FILES ${pages} DESTINATION share/man/${language}/man1)
  endif()
endforeach()
