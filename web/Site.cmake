# The game as a static site in site/: index.html (web/page/shell.html with the
# loader), index.js, index.wasm, index.data (Assets/ as files at /Assets) and
# the page's own files.
set(site "${PROJECT_BINARY_DIR}/site")
set(page "${PROJECT_SOURCE_DIR}/web/page")
file(GLOB_RECURSE assets CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/Assets/*")

set_target_properties(fornalina PROPERTIES
    OUTPUT_NAME "index"
    SUFFIX ".html"
    RUNTIME_OUTPUT_DIRECTORY "${site}"
    LINK_DEPENDS "${page}/shell.html;${assets}")
target_link_options(fornalina PRIVATE
    # The game's loop waits (for a frame, for a key) as on the desktop; Asyncify
    # gives control back to the browser while it waits.
    "-sASYNCIFY" "-sASYNCIFY_STACK_SIZE=65536"
    "-sALLOW_MEMORY_GROWTH" "-sFULL_ES2"
    # SDL's audio needs these at the game's link (emscripten 3.1.6); from a
    # file, as a build tool may take their "$" for its own.
    "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${PROJECT_SOURCE_DIR}/web/library-functions.json"
    # The page starts the game after a click or a key, so that sound may play.
    "-sINVOKE_RUN=0" "-sEXPORTED_RUNTIME_METHODS=['callMain']"
    # As pairs: CMake would merge repeated words.
    "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/Assets@/Assets"
    "SHELL:--exclude-file *.md" "SHELL:--exclude-file */licenses/*"
    "SHELL:--shell-file ${page}/shell.html" "-sMINIFY_HTML=0")

# The page around the canvas, its icon and the font of its texts; the credits
# and licences of what the site carries.
add_custom_command(TARGET fornalina POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy "${page}/page.css" "${page}/page.js" "${site}/"
    COMMAND ${CMAKE_COMMAND} -E copy "${PROJECT_SOURCE_DIR}/Assets/Sprites/Icone.png" "${site}/icon.png"
    COMMAND ${CMAKE_COMMAND} -E copy "${PROJECT_SOURCE_DIR}/Assets/Sprites/Background.png" "${site}/kitchen.png"
    COMMAND ${CMAKE_COMMAND} -E copy "${PROJECT_SOURCE_DIR}/Assets/Fonts/orangeJuice.ttf" "${site}/"
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${PROJECT_SOURCE_DIR}/Assets/licenses" "${site}/licenses"
    COMMAND ${CMAKE_COMMAND} -E copy "${PROJECT_SOURCE_DIR}/Assets/CREDITS.md" "${PROJECT_SOURCE_DIR}/LICENSE"
        "${site}/licenses/"
    VERBATIM)
