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
# The menu entry and the software centres' description, under the program's one id.
set(NARABI_APP_ID org.example.narabitouch)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${NARABI_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${NARABI_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the drawing, and the pictures of it the build drew.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/narabitouch.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
  install(FILES ${NARABI_ICON_DIR}/${size}/narabitouch.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages of the three commands, made from their own --help and --version, compressed.
set(NARABI_MAN_PAGES)
foreach(command narabitouch narabitouch-setup narabitouch-export)
  set(page ${CMAKE_BINARY_DIR}/packaging/man/${command}.1)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/man
    COMMAND sh ${CMAKE_SOURCE_DIR}/packaging/man_page.sh $<TARGET_FILE:${command}> ${page}
    DEPENDS ${command} ${CMAKE_SOURCE_DIR}/packaging/man_page.sh
    VERBATIM)
  list(APPEND NARABI_MAN_PAGES ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(narabi_man_pages ALL DEPENDS ${NARABI_MAN_PAGES})

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
# Qt's own dialogs in Japanese; a sound server, without which the program ends after
# repeated sound failures as on the Windows machines.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
