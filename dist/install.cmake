# Installs the program the way Debian lays out desktop programs, and describes
# the Debian package built from that tree (`make deb`).
include(GNUInstallDirs)

# The desktop id names the menu entry, the AppStream component and the icon.
# Reverse DNS as AppStream asks, but on no registered domain: "falkorin.local"
# is a name of the local network only. Whoever publishes the program under a
# domain of their own sets theirs (-DFALKORIN_APP_ID=org.example.Falkorin).
set(FALKORIN_APP_ID local.falkorin.Falkorin CACHE STRING "desktop id of the menu entry, AppStream data and icon")
# Who builds the package answers for it; Debian's packaging tools read the
# same two variables (make deb MAINTAINER="Name <address>").
if(DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(maintainer_default "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  set(maintainer_default "FALKORIN-Paketbau <falkorin@packages.invalid>")
endif()
set(FALKORIN_MAINTAINER "${maintainer_default}" CACHE STRING "maintainer of the Debian package: Name <address>")
set(FALKORIN_DIST ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(falkorin PRIVATE FALKORIN_APP_ID="${FALKORIN_APP_ID}")

install(TARGETS falkorin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
configure_file(${FALKORIN_DIST}/falkorin.desktop.in ${CMAKE_BINARY_DIR}/${FALKORIN_APP_ID}.desktop @ONLY)
configure_file(${FALKORIN_DIST}/falkorin.metainfo.xml.in ${CMAKE_BINARY_DIR}/${FALKORIN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${FALKORIN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${FALKORIN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${FALKORIN_DIST}/icons/falkorin.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${FALKORIN_APP_ID}.svg)
# The PNGs are rendered once from the SVG by tools/render-icons.sh.
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${FALKORIN_DIST}/icons/falkorin-${size}.png
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
# The Debian changelog, signed by the package's maintainer.
set(changelog ${CMAKE_BINARY_DIR}/changelog.Debian)
configure_file(${FALKORIN_DIST}/changelog.Debian.in ${changelog} @ONLY)
add_custom_command(OUTPUT ${changelog}.gz
  COMMAND gzip -9nkf ${changelog}
  DEPENDS ${changelog}
  VERBATIM)
add_custom_target(falkorin_manpage DEPENDS ${manpage}.gz ${changelog}.gz)
add_dependencies(falkorin falkorin_manpage)
install(FILES ${manpage}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${FALKORIN_DIST}/copyright ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${FALKORIN_DIST}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME falkorin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME falkorin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Die Entwickler von FALKORIN")
set(CPACK_PACKAGE_CONTACT "${FALKORIN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${FALKORIN_MAINTAINER}")
# The first Debian revision of the release: the changelog says what it holds.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learning program for the Bode diagram (in German)")
# Lines of a Debian package description stay within 80 columns; a lone "."
# is an empty line. The German text follows the English one.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "FALKORIN teaches the Bode diagram in eight lessons: explanation pages with"
  "example curves, scored multiple-choice questions, mouse exercises in the"
  "chart, step-by-step construction of Bode diagrams of rational transfer"
  "functions, and a to-scale A4 diagram sheet for drawing by hand, printed"
  "or, without a printer, saved as a PDF file. The program is in German; its"
  "window is laid out for a 1280 x 1024 screen and shrinks to fit smaller ones."
  "."
  "Deutsch: FALKORIN führt in acht Lektionen durch das Bode-Diagramm:"
  "Erklärungsseiten mit Beispielkurven, bewertete Auswahlaufgaben, Übungen mit"
  "der Maus im Diagramm, schrittweise Konstruktion von Bode-Diagrammen"
  "gebrochen rationaler Übertragungsfunktionen und ein maßstäbliches"
  "Diagrammblatt in A4 zum Zeichnen von Hand, gedruckt oder ohne Drucker als"
  "PDF-Datei gespeichert.")
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
