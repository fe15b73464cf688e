# Installs the program the way Debian lays out desktop programs, and describes
# the Debian package built from that tree (`make deb`).
include(GNUInstallDirs)

set(FALKORIN_APP_ID de.falkorin.Falkorin)
set(FALKORIN_DIST ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS falkorin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${FALKORIN_DIST}/${FALKORIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${FALKORIN_DIST}/${FALKORIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${FALKORIN_DIST}/icons/${FALKORIN_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The PNGs are rendered once from the SVG by tools/render-icons.sh.
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${FALKORIN_DIST}/icons/${FALKORIN_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${FALKORIN_APP_ID}.png)
endforeach()

# Debian keeps manual pages gzipped; -n leaves out name and time so the
# package is reproducible. Built with the program, so installing after
# building the program alone finds it.
set(manpage ${CMAKE_BINARY_DIR}/falkorin.1)
add_custom_command(OUTPUT ${manpage}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${FALKORIN_DIST}/falkorin.1 ${manpage}
  COMMAND gzip -9nf ${manpage}
  DEPENDS ${FALKORIN_DIST}/falkorin.1
  VERBATIM)
add_custom_target(falkorin_manpage DEPENDS ${manpage}.gz)
add_dependencies(falkorin falkorin_manpage)
install(FILES ${manpage}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${FALKORIN_DIST}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME falkorin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Die Entwickler von FALKORIN")
set(CPACK_PACKAGE_CONTACT "Die Entwickler von FALKORIN <falkorin@falkorin.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learning program for the Bode diagram (in German)")
# Lines of a Debian package description stay within 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "FALKORIN teaches the Bode diagram in eight lessons: explanation pages with"
  "example curves, scored multiple-choice questions, mouse exercises in the"
  "chart, step-by-step construction of Bode diagrams of rational transfer"
  "functions, and a to-scale diagram sheet printed for drawing by hand."
  "The program is in German; its window is laid out for a 1280 x 1024 screen.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt and C++ libraries come from dpkg-shlibdeps; the fonts are loaded by
# path at start-up and the toolkit's German texts from its translations, so
# no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
