# Installation (cmake --install) and the Debian package (cpack, scripts/package.sh).
include(GNUInstallDirs)

install(TARGETS narabitouch narabitouch-setup narabitouch-export
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The sound and print modules, which the program loads from here when they are not beside it.
install(TARGETS narabitouch-sound narabitouch-print
        LIBRARY DESTINATION ${NARABI_MODULE_INSTALL_DIR})
# The data folder narabitouch-setup lays out new families from: sounds, pictures, help.
install(DIRECTORY ${NARABI_DATA_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/narabitouch
        PATTERN ".stamp" EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/narabitouch.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/narabitouch.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian's documentation files: copyright and a compressed changelog.
set(NARABI_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/narabitouch)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${NARABI_DOC_DIR})
set(NARABI_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(
  OUTPUT ${NARABI_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND sh -c "gzip -9nc '${CMAKE_SOURCE_DIR}/packaging/changelog' > '${NARABI_CHANGELOG}'"
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(narabi_changelog ALL DEPENDS ${NARABI_CHANGELOG})
install(FILES ${NARABI_CHANGELOG} DESTINATION ${NARABI_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME narabitouch)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ならびタッチ開発チーム <narabitouch@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-ordering drill for homes and classrooms")
set(CPACK_PACKAGE_DESCRIPTION "A student picks their name from the family's roster, chooses a level
and presses ten numbered cards in ascending order, five problems against
the clock. Every run is recorded in a results log shared with the other
drills of the family and shown back as points, records, unlocked levels,
rankings and printable charts. narabitouch-setup lays out a family
folder and its students.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
