# Desktop integration. The programs, the icons and the translations install themselves in their
# own folders; this adds the files that describe them to the desktop. The Debian package is
# built from debian/.
include(GNUInstallDirs)

set(NOVEM_DATA_DIR ${PROJECT_BINARY_DIR}/data)
configure_file(data/novem-solver.desktop.in ${NOVEM_DATA_DIR}/${NOVEM_APP_ID}.desktop @ONLY)
configure_file(data/novem-solver.metainfo.xml.in ${NOVEM_DATA_DIR}/${NOVEM_APP_ID}.metainfo.xml
    @ONLY)
configure_file(docs/man/novem-solver.1.in ${NOVEM_DATA_DIR}/novem-solver.1 @ONLY)
configure_file(docs/man/novem-batch.1.in ${NOVEM_DATA_DIR}/novem-batch.1 @ONLY)
configure_file(docs/man/novem-generate.1.in ${NOVEM_DATA_DIR}/novem-generate.1 @ONLY)
configure_file(docs/man/novem-print.1.in ${NOVEM_DATA_DIR}/novem-print.1 @ONLY)

install(FILES ${NOVEM_DATA_DIR}/${NOVEM_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${NOVEM_DATA_DIR}/${NOVEM_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${NOVEM_DATA_DIR}/novem-solver.1 ${NOVEM_DATA_DIR}/novem-batch.1
    ${NOVEM_DATA_DIR}/novem-generate.1 ${NOVEM_DATA_DIR}/novem-print.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
