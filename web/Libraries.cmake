# The browser build links the libraries that web/libraries/build.sh compiled
# from release sources into one prefix (scripts/web.sh passes it).
set(FORNALINA_WEB_PREFIX "" CACHE PATH "Prefix of the browser build's libraries (web/libraries/build.sh)")
if(NOT IS_DIRECTORY "${FORNALINA_WEB_PREFIX}/lib")
    message(FATAL_ERROR "FORNALINA_WEB_PREFIX must name the prefix that web/libraries/build.sh made")
endif()

target_include_directories(fornalina_libraries INTERFACE "${FORNALINA_WEB_PREFIX}/include")
# In link order: each library before those it uses. Named by path in the
# prefix, not looked up and cached: a new prefix (changed patches) must never
# link the last prefix's libraries under its own headers.
foreach(library allegro_monolith-static vorbisfile vorbis ogg freetype png16 z SDL2)
    set(archive "${FORNALINA_WEB_PREFIX}/lib/lib${library}.a")
    if(NOT EXISTS "${archive}")
        message(FATAL_ERROR "${archive} is missing: FORNALINA_WEB_PREFIX must name a finished build of web/libraries/build.sh")
    endif()
    target_link_libraries(fornalina_libraries INTERFACE "${archive}")
endforeach()
