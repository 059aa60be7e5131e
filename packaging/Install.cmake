# cmake --install build --prefix PREFIX: the game, its files, a menu entry and
# its icons. Every installed path is listed in build/install_manifest.txt,
# which is what uninstalling removes.

# The game's AppStream component id, which names the desktop entry and the
# icons; the command stays "fornalina".
set(FORNALINA_APP_ID org.fornalina.fornalina)

install(TARGETS fornalina RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY Assets/ DESTINATION ${FORNALINA_INSTALL_DATADIR}/Assets)
install(FILES packaging/${FORNALINA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Made by tools/assets from the drawing of Assets/Sprites/Icone.png, which the
# game keeps for its window.
install(DIRECTORY packaging/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
