# Desktop integration and the Debian package: `cpack -G DEB` in the build
# folder writes quadrolis-c2_<version>_<arch>.deb.

set(QUADROLIS_METAINFO_ID de.talvern_fenster.quadrolis_c2)
configure_file(${PROJECT_SOURCE_DIR}/resources/desktop/quadrolis-c2.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/paket/${QUADROLIS_METAINFO_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in ${PROJECT_BINARY_DIR}/paket/changelog @ONLY)
# Debian wants the changelog and the manual pages compressed, without a time stamp.
set(PAKET_GEPACKT)
foreach(datei ${PROJECT_BINARY_DIR}/paket/changelog
              ${PROJECT_SOURCE_DIR}/resources/debian/quadrolis-c2.1
              ${PROJECT_SOURCE_DIR}/resources/debian/bestellblatt.1
              ${PROJECT_SOURCE_DIR}/resources/debian/quadrolis-ablage.1)
  get_filename_component(name ${datei} NAME)
  add_custom_command(
    OUTPUT ${PROJECT_BINARY_DIR}/paket/${name}.gz
    COMMAND gzip -9nc ${datei} > ${PROJECT_BINARY_DIR}/paket/${name}.gz
    DEPENDS ${datei}
    VERBATIM)
  list(APPEND PAKET_GEPACKT ${PROJECT_BINARY_DIR}/paket/${name}.gz)
endforeach()
add_custom_target(paket_dateien ALL DEPENDS ${PAKET_GEPACKT})

if(QUADROLIS_UI)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/quadrolis-c2.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  install(FILES ${PROJECT_BINARY_DIR}/paket/${QUADROLIS_METAINFO_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
install(FILES ${PROJECT_BINARY_DIR}/paket/quadrolis-c2.1.gz ${PROJECT_BINARY_DIR}/paket/bestellblatt.1.gz
              ${PROJECT_BINARY_DIR}/paket/quadrolis-ablage.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright ${PROJECT_BINARY_DIR}/paket/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quadrolis-c2)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quadrolis-c2)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Talvern Fenster GmbH")
set(CPACK_PACKAGE_CONTACT "Quadrolis C2 <quadrolis@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "price and order made-to-measure wooden windows")
set(CPACK_PACKAGE_DESCRIPTION [=[Quadrolis C2 prices made-to-measure wooden windows of the Talvern Fenster range
and prepares the order: windows configured option by option, free positions
and surcharges, discounts and totals, saved as order files (.dat) and written
as an HTML order sheet. The user interface is German.
Every saved version of every order is kept in a searchable archive.
.
The package also holds bestellblatt, which writes the order sheet of an order
file without the program's window, and quadrolis-ablage, which imports order
files into the archive, lists and exports them.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/quadrolis-c2")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found by dpkg-shlibdeps: the Qt, JPEG and C++ libraries. Not found, as they
# are loaded or run at run time: Qt's German texts for its own dialogs, the
# SQLite and PostgreSQL drivers of Qt SQL that the archive needs, and
# xdg-email, which hands an order to the desktop's mail program.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, libqt6sql6-sqlite, libqt6sql6-psql, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
