# cpack -G DEB in the build folder: a Debian package of what the install rules
# install. scripts/package.sh configures the build the package needs (release,
# /usr prefix, the game in games/, its data in share/games/fornalina, no
# fallback on the source tree) and checks the package with lintian.

# The Debian copyright file, machine-readable, with every licence's full text
# taken from the files the game ships them in.
function(fornalina_licence_block variable file)
    file(READ ${file} text)
    if(ARGC GREATER 2)
        string(FIND "${text}" "${ARGV2}" start)
        string(SUBSTRING "${text}" ${start} -1 text)
    endif()
    string(REGEX REPLACE "\n+$" "" text "${text}")
    # One space before each line, " ." for an empty one.
    string(REPLACE "\n" "\n " text " ${text}")
    string(REGEX REPLACE "\n +\n" "\n .\n" text "${text}")
    string(REGEX REPLACE "\n +\n" "\n .\n" text "${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()
fornalina_licence_block(FORNALINA_EXPAT_TEXT ${PROJECT_SOURCE_DIR}/LICENSE "Permission is hereby granted")
fornalina_licence_block(FORNALINA_CC_BY_TEXT ${PROJECT_SOURCE_DIR}/Assets/licenses/CC-BY-4.0.txt)
fornalina_licence_block(FORNALINA_OFL_TEXT ${PROJECT_SOURCE_DIR}/Assets/licenses/OFL-LeckerliOne.txt
    "SIL OPEN FONT LICENSE")
configure_file(packaging/copyright.in copyright @ONLY)

# Debian's release history, compressed as Debian installs it.
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > changelog.gz
    DEPENDS packaging/changelog
    COMMENT "Compressing the changelog")
add_custom_target(fornalina_changelog ALL DEPENDS changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fornalina)
set(CPACK_PACKAGE_VENDOR "The Fornalina developers")
set(CPACK_PACKAGE_CONTACT "The Fornalina developers <maintainers@fornalina.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: catch exactly the ingredients of the recipe")
set(CPACK_PACKAGE_DESCRIPTION "A small arcade game about cooking, with all its texts in Portuguese.
Pick a difficulty, read the recipe, then run the cook along the bottom of
the kitchen and catch exactly the ingredients the recipe asks for, no more
and no fewer, before the minute is up.

Each of the three difficulties has three recipes; harder ones ask for more
ingredients, drop more food that is not in the recipe, and drop it faster.
Plays with the keyboard or a gamepad, in a window or full screen.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${FORNALINA_HOMEPAGE_URL}")
# The libraries the game links, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
