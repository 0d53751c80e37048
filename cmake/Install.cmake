# Desktop integration and the Debian package. The programs and the icon install themselves in
# their own folders; this adds the files that describe them to the desktop.
include(GNUInstallDirs)

set(NOVEM_DATA_DIR ${PROJECT_BINARY_DIR}/data)
configure_file(data/novem-solver.desktop.in ${NOVEM_DATA_DIR}/${NOVEM_APP_ID}.desktop @ONLY)
configure_file(data/novem-solver.metainfo.xml.in ${NOVEM_DATA_DIR}/${NOVEM_APP_ID}.metainfo.xml
    @ONLY)
configure_file(docs/man/novem-solver.1.in ${NOVEM_DATA_DIR}/novem-solver.1 @ONLY)
configure_file(docs/man/novem-batch.1.in ${NOVEM_DATA_DIR}/novem-batch.1 @ONLY)

install(FILES ${NOVEM_DATA_DIR}/${NOVEM_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${NOVEM_DATA_DIR}/${NOVEM_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${NOVEM_DATA_DIR}/novem-solver.1 ${NOVEM_DATA_DIR}/novem-batch.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME novem-solver)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Novem authors")
set(CPACK_PACKAGE_CONTACT "The Novem authors <${NOVEM_CONTACT}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Solve 9x9 number-placement puzzles by pure deduction")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}
 ${NOVEM_DESCRIPTION} solves the 9x9 number-placement puzzle by logic alone, never
 by guessing: two rules remove candidate digits, one inside a row, column or block and one
 across two crossing regions, until no rule changes anything more. It shows every cell the
 rules decide while it runs, writes a run log of all candidate sets and ends with the rule
 statistics and the time taken.
 .
 The novem-batch command runs the same solver over files of puzzles.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${NOVEM_HOMEPAGE})
# The dependencies are read off the binaries, not listed by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
