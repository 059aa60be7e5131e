# Where the installed game keeps its data. Distributions differ: most use
# share/fornalina, Debian's games use share/games/fornalina beside games/.
set(FORNALINA_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/fornalina" CACHE STRING
    "Folder for the game's Assets/, relative to the install prefix (or absolute)")

if(IS_ABSOLUTE "${FORNALINA_INSTALL_DATADIR}")
    set(FORNALINA_INSTALL_FULL_DATADIR "${FORNALINA_INSTALL_DATADIR}")
else()
    set(FORNALINA_INSTALL_FULL_DATADIR "${CMAKE_INSTALL_PREFIX}/${FORNALINA_INSTALL_DATADIR}")
endif()

# The data folder as seen from the installed executable, so that an installed
# tree that was moved elsewhere as a whole still finds its files.
file(RELATIVE_PATH FORNALINA_DATADIR_FROM_BINDIR
    "${CMAKE_INSTALL_FULL_BINDIR}" "${FORNALINA_INSTALL_FULL_DATADIR}")
