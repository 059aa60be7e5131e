# cmake --install build --prefix PREFIX: the game, its files, a menu entry with
# its icons and AppStream metainfo, the manual page and the documentation.
# Every installed path is listed in build/install_manifest.txt, which is what
# uninstalling removes.

# The game's AppStream component id, which names the desktop entry and the
# icons; the command stays "fornalina".
set(FORNALINA_APP_ID org.fornalina.fornalina)

# The game has no web site of its own yet: this is a placeholder for packagers
# to replace. The metainfo file expects the screenshots of docs/screenshots/
# to be published under HOMEPAGE/screenshots/.
set(FORNALINA_HOMEPAGE "https://fornalina.example.org" CACHE STRING
    "The game's web site, without a trailing slash (metainfo, screenshots, package)")
string(REGEX REPLACE "/+$" "" FORNALINA_HOMEPAGE_URL "${FORNALINA_HOMEPAGE}")
configure_file(packaging/${FORNALINA_APP_ID}.metainfo.xml.in ${FORNALINA_APP_ID}.metainfo.xml @ONLY)
set(FORNALINA_METAINFO ${PROJECT_BINARY_DIR}/${FORNALINA_APP_ID}.metainfo.xml)

install(TARGETS fornalina RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The credits and licence texts go with the documentation below.
install(DIRECTORY Assets/ DESTINATION ${FORNALINA_INSTALL_DATADIR}/Assets
    PATTERN CREDITS.md EXCLUDE PATTERN licenses EXCLUDE)
install(FILES packaging/${FORNALINA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${FORNALINA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Made by tools/assets from the drawing of Assets/Sprites/Icone.png, which the
# game keeps for its window.
install(DIRECTORY packaging/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The manual page, compressed as distributions ship it (-n: no name or time
# inside, so that two builds give the same file).
add_custom_command(OUTPUT fornalina.6.gz
    COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/fornalina.6 > fornalina.6.gz
    DEPENDS packaging/fornalina.6
    COMMENT "Compressing the manual page")
add_custom_target(fornalina_manpage ALL DEPENDS fornalina.6.gz)
install(FILES ${PROJECT_BINARY_DIR}/fornalina.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

install(FILES README.md LICENSE Assets/CREDITS.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY Assets/licenses DESTINATION ${CMAKE_INSTALL_DOCDIR})
