# The game as a static site in site/: index.html (web/page/shell.html with the
# loader), index.js, index.wasm, index.data (Assets/ as files at /Assets), the
# page's own files, and the service worker that keeps them all for offline play.
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
    # gives control back to the browser while it waits. Only the functions with
    # a direct path to a wait are rewritten for it, a fifth of the program's
    # size less. No wait may be reached through a function pointer: Allegro's
    # rest is patched to sleep directly (patches/allegro-web-rest.patch), and
    # SDL's buffer swap does not wait (src/web/WebLaunch.cpp).
    "-sASYNCIFY" "-sASYNCIFY_IGNORE_INDIRECT" "-sASYNCIFY_STACK_SIZE=65536"
    "-sALLOW_MEMORY_GROWTH" "-sFULL_ES2"
    # The whole program optimised for size at the link: the page downloads it.
    # (EVAL_CTORS would run its constructors at build time, but emscripten
    # 3.1.6 refuses it beside Asyncify.)
    "-Os"
    # SDL's audio needs these at the game's link (emscripten 3.1.6); from a
    # file, as a build tool may take their "$" for its own.
    "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${PROJECT_SOURCE_DIR}/web/library-functions.json"
    # The page starts the game after a click or a key, so that sound may play.
    "-sINVOKE_RUN=0" "-sEXPORTED_RUNTIME_METHODS=['callMain']"
    # As pairs: CMake would merge repeated words.
    "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/Assets@/Assets"
    "SHELL:--exclude-file *.md" "SHELL:--exclude-file */licenses/*"
    "SHELL:--shell-file ${page}/shell.html" "-sMINIFY_HTML=0")

# The page around the canvas, its icon, its kitchen and the font of its texts,
# its touch controls, the web app's manifest and home-screen icons; the credits
# and licences of what the site carries. Each copied when it changes.
set(assets "${PROJECT_SOURCE_DIR}/Assets")
set(page_files
    "${page}/page.css=page.css"
    "${page}/page.js=page.js"
    "${page}/layout.js=layout.js"
    "${page}/touch.js=touch.js"
    "${page}/offline.js=offline.js"
    "${page}/manifest.webmanifest=manifest.webmanifest"
    "${page}/loader.js=loader.js"
    "${assets}/Sprites/Icone.png=icon.png"
    "${assets}/Sprites/Background.png=kitchen.png"
    "${assets}/Fonts/orangeJuice.ttf=orangeJuice.ttf"
    "${assets}/CREDITS.md=licenses/CREDITS.md"
    "${PROJECT_SOURCE_DIR}/LICENSE=licenses/LICENSE")
file(GLOB icons "${page}/icons/*.png")
foreach(icon ${icons})
    get_filename_component(name "${icon}" NAME)
    list(APPEND page_files "${icon}=icons/${name}")
endforeach()
file(GLOB licences "${assets}/licenses/*")
foreach(licence ${licences})
    get_filename_component(name "${licence}" NAME)
    list(APPEND page_files "${licence}=licenses/${name}")
endforeach()
set(copies "")
foreach(pair ${page_files})
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    add_custom_command(OUTPUT "${site}/${to}"
        COMMAND ${CMAKE_COMMAND} -E copy "${from}" "${site}/${to}"
        DEPENDS "${from}" VERBATIM)
    list(APPEND copies "${site}/${to}")
endforeach()
add_custom_target(fornalina_page ALL DEPENDS ${copies})

# Last, over every file above and the game's own: the service worker.
add_custom_command(OUTPUT "${site}/sw.js"
    COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DTEMPLATE=${page}/service-worker.js
        -P "${PROJECT_SOURCE_DIR}/web/ServiceWorker.cmake"
    DEPENDS fornalina ${copies} "${page}/service-worker.js" "${PROJECT_SOURCE_DIR}/web/ServiceWorker.cmake"
    VERBATIM)
add_custom_target(fornalina_offline ALL DEPENDS "${site}/sw.js")
